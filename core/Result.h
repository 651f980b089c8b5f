#pragma once

#include <string>
#include <utility>

namespace kavrin {

// The outcome of an operation that can fail: success, or a failure with a short reason in plain
// words ("cannot open the file", "line 3: malformed XML") that a message box or a log can show
// after the file name. A failure may also say what kind of failure it was, where callers answer
// the kinds differently; everything else is Failed. Cheap to copy; must not be ignored.
class [[nodiscard]] Result {
public:
    enum class Kind {
        Ok,
        Failed,
        CannotOpen,    // the input could not be opened or read at all
        UnknownFormat, // the input was read but is not of a kind the operation knows
    };

    static Result success() { return Result(); }
    static Result failure(std::string reason, Kind kind = Kind::Failed)
    {
        return Result(kind == Kind::Ok ? Kind::Failed : kind, std::move(reason));
    }

    bool ok() const { return m_kind == Kind::Ok; }
    explicit operator bool() const { return ok(); }
    Kind kind() const { return m_kind; }

    // Empty on success.
    const std::string& reason() const { return m_reason; }

private:
    Result() = default;
    Result(Kind kind, std::string reason) : m_kind(kind), m_reason(std::move(reason)) {}

    Kind m_kind = Kind::Ok;
    std::string m_reason;
};

} // namespace kavrin
