#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace kavrin {

// How an operation ended: Ok, or the kind of failure it met where callers answer the kinds
// differently; every other failure is Failed.
enum class ResultKind {
    Ok,
    Failed,
    CannotOpen,     // the input could not be opened or read at all
    UnknownFormat,  // the input was read but is not of a kind the operation knows
    InUse,          // someone else holds what the operation needs (another program's lock)
    ConnectionLost, // the connection broke or stopped answering: it must be opened again
};

// Why an operation failed: a short reason in plain words ("cannot open the file", "line 3:
// malformed XML") that a message box or a log can show after the file name, and its kind.
// Converts to a failed Result of any value type, the way std::unexpected converts to
// std::expected.
struct Failure {
    std::string reason;
    ResultKind kind = ResultKind::Failed; // never Ok
};

// The outcome of an operation that can fail: its value (none for Result<>), or the Failure that
// says why there is none. Cheap to copy when the value is; must not be ignored.
template <typename T = void> class [[nodiscard]] Result {
public:
    using Kind = ResultKind;

    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : m_state(std::in_place_index<1>, std::move(failure)) {}

    static Result failure(std::string reason, Kind kind = Kind::Failed)
    {
        return Failure{std::move(reason), kind == Kind::Ok ? Kind::Failed : kind};
    }

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    T& value() &
    {
        assert(ok());
        return std::get<0>(m_state);
    }
    const T& value() const&
    {
        assert(ok());
        return std::get<0>(m_state);
    }
    T&& value() &&
    {
        assert(ok());
        return std::get<0>(std::move(m_state));
    }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // The failure; only when !ok().
    const Failure& error() const
    {
        assert(!ok());
        return std::get<1>(m_state);
    }
    const std::string& reason() const { return ok() ? noReason() : error().reason; }
    Kind kind() const { return ok() ? Kind::Ok : error().kind; }

private:
    static const std::string& noReason()
    {
        static const std::string empty;
        return empty;
    }

    std::variant<T, Failure> m_state;
};

// The outcome of an operation that gives no value: success, or the Failure that says why not.
template <> class [[nodiscard]] Result<void> {
public:
    using Kind = ResultKind;

    Result(Failure failure) : m_ok(false), m_failure(std::move(failure)) {}

    static Result success() { return Result(); }
    static Result failure(std::string reason, Kind kind = Kind::Failed)
    {
        return Failure{std::move(reason), kind == Kind::Ok ? Kind::Failed : kind};
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return ok(); }

    // The failure; only when !ok().
    const Failure& error() const
    {
        assert(!ok());
        return m_failure;
    }
    // Empty on success.
    const std::string& reason() const { return m_failure.reason; }
    Kind kind() const { return m_ok ? Kind::Ok : m_failure.kind; }

private:
    Result() = default;

    bool m_ok = true;
    Failure m_failure;
};

} // namespace kavrin
