#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// A 64-bit hash of a block of bytes, four lanes of multiply and rotate over
// eight bytes at a time: quick enough to tell a large file from any other
// version of it on every opening. Not for anything an adversary chooses.
quint64 contentHash(QByteArrayView bytes, quint64 seed = 0);
