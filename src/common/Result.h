#pragma once

#include <QString>

#include <optional>
#include <utility>

// What came of something that can fail: done, or failed with the reason in
// words a person can read. Whatever can fail returns one and no caller may
// drop it; the lower floors only return it, and the program says it once,
// where it decides what follows.
class [[nodiscard]] Result {
public:
    static Result done() { return {}; }
    static Result failed(QString reason) {
        Result result;
        result.m_reason = std::move(reason);
        return result;
    }

    bool ok() const { return !m_reason.has_value(); }
    // Why it failed; empty when it did not.
    QString reason() const { return m_reason.value_or(QString()); }

    friend bool operator==(const Result&, const Result&) = default;

private:
    Result() = default;
    std::optional<QString> m_reason;
};
