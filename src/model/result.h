#pragma once

#include <QString>

#include <utility>

// What the core returns from anything that can fail: the value, or why it
// failed in words the user understands. One shape for every layer below the
// window, so a caller never guesses whether an empty string, a zero or a
// false means failure.
template <typename T = void> class [[nodiscard]] Result
{
public:
    Result(T value)
        : m_value(std::move(value))
        , m_ok(true)
    { }
    static Result failure(const QString &reason) { return Result(T(), reason); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const T &value() const { return m_value; }
    const QString &errorString() const { return m_error; }

private:
    Result(T value, const QString &reason)
        : m_value(std::move(value))
        , m_error(reason)
    { }

    T m_value;
    QString m_error;
    bool m_ok = false;
};

template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    static Result failure(const QString &reason) { return Result(reason); }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return !m_failed; }
    const QString &errorString() const { return m_error; }

private:
    explicit Result(const QString &reason)
        : m_error(reason)
        , m_failed(true)
    { }

    QString m_error;
    bool m_failed = false;
};
