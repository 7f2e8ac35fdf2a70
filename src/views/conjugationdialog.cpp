#include "conjugationdialog.h"

#include "model/entry.h"

#include "conjugationview.h"
#include "input/style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ConjugationDialog::ConjugationDialog(QWidget *parent)
    : QDialog(parent)
    , m_view(new ConjugationView)
{
    auto *warning = new QLabel(tr("WARNING: auto-generated conjugation may be incorrect!"));
    QFont font = Style::smallFont();
    font.setItalic(true);
    warning->setFont(font);
    auto *close = new QPushButton(tr("&Close"));
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *row = new QHBoxLayout;
    row->addWidget(warning);
    row->addStretch();
    row->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_view);
    layout->addLayout(row);
}

void ConjugationDialog::setEntry(const Entry &verb)
{
    setWindowTitle(tr("Conjugation of %1").arg(verb.word()));
    m_view->setEntry(verb);
}
