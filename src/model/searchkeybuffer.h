#pragma once

#include "entry.h"

#include <QStringView>
#include <QVarLengthArray>

// A search key made into a buffer kept from word to word.
class SearchKeyBuffer
{
public:
    QStringView make(QStringView word)
    {
        if (m_units.size() < word.size())
            m_units.resize(word.size());
        m_key = QStringView(m_units.data(), writeSearchKey(word, m_units.data()));
        return m_key;
    }
    QStringView key() const { return m_key; }

private:
    QVarLengthArray<char16_t, 64> m_units;
    QStringView m_key;
};
