#pragma once

// The one way a fallible call reports failure: it returns Result<T>, either
// the value or an Error whose message a user can read. The shape is that of
// std::expected (has_value, operator bool, value, error, value_or), which not
// every compiler the program is built with offers yet.
//
// The message is a std::string (UTF-8) so that the plain C++ code can build
// it: an English text, or an English template with %1..%9 and its arguments
// marked for translation (src/util/Translate.h). The Qt layers show it with
// errorText() (src/util/qt/TextConversions.h), which translates it; plain C++
// callers take Error::text(), the English. One error type everywhere keeps
// call sites alike: a failure passes up through the link and the feature code
// unchanged until a page or vantorelctl shows it.
//
// Asking value() of an error, or error() of a value, is a programming fault
// (the standard library's bad access exception), never a way to report a failure.

#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace vantorel {

// Why an operation failed: `return Error{"The file could not be read."};`, or
// translatable: `return markedError(kContext, VANTOREL_TRANSLATE_NOOP(...), path);`.
struct Error {
    // The English text (UTF-8). With `args` it is a template whose %1..%9
    // stand for args[0]..args[8]; a whole sentence, as translators see it.
    std::string message;
    // The texts put in place of %1..%9, in order (UTF-8): names, numbers, the
    // system's own words. They are never translated nor searched for markers.
    std::vector<std::string> args = {};
    // The translation context `message` is marked with (a string literal,
    // "vantorel::<File>"); null for a text not marked, which the Qt edge looks
    // up in "vantorel::Error" (and shows as it is when nothing is found there).
    const char* context = nullptr;

    // The English text: `message` with its arguments in place, each marker
    // replaced once (an argument that holds "%2" stays as it is).
    std::string text() const
    {
        if (args.empty())
            return message;
        std::string out;
        out.reserve(message.size());
        for (size_t i = 0; i < message.size(); ++i) {
            const char next = i + 1 < message.size() ? message[i + 1] : '\0';
            const size_t index = size_t(next - '1');
            if (message[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
                out += args[index];
                ++i;
            } else {
                out += message[i];
            }
        }
        return out;
    }
};

// An Error of a marked template and its arguments (each a std::string or what
// makes one; numbers go through std::to_string).
template <typename... Args> Error markedError(const char* context, const char* message, Args&&... args)
{
    return Error{message, {std::string(std::forward<Args>(args))...}, context};
}

template <typename T> class Result;

namespace result_detail {
// Whether a Result<T> is made from a U as its value (not from an Error or another Result).
template <typename T, typename U>
inline constexpr bool kMakesValue
    = std::conjunction_v<std::is_constructible<T, U>, std::negation<std::is_same<std::remove_cvref_t<U>, Result<T>>>,
                         std::negation<std::is_same<std::remove_cvref_t<U>, Error>>>;
} // namespace result_detail

template <typename T> class [[nodiscard]] Result {
public:
    // From anything T is made of, as std::expected: a unique_ptr to a derived
    // class for a Result of a unique_ptr to its base, a literal for a string.
    template <typename U = T, std::enable_if_t<result_detail::kMakesValue<T, U>, int> = 0>
    explicit(!std::is_convertible_v<U, T>) Result(U&& value)
        : m_state(std::in_place_index<0>, std::forward<U>(value))
    { }
    Result(Error error)
        : m_state(std::in_place_index<1>, std::move(error))
    { }

    bool has_value() const noexcept { return m_state.index() == 0; }
    explicit operator bool() const noexcept { return has_value(); }

    T& value() & { return std::get<0>(m_state); }
    const T& value() const& { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    template <typename U> T value_or(U&& fallback) const&
    {
        return has_value() ? value() : static_cast<T>(std::forward<U>(fallback));
    }

    const Error& error() const { return std::get<1>(m_state); }

private:
    std::variant<T, Error> m_state;
};

// Success without a value: `return {};` or `return Error{...};`.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error)
        : m_error(std::move(error))
    { }

    bool has_value() const noexcept { return !m_error; }
    explicit operator bool() const noexcept { return has_value(); }

    const Error& error() const { return m_error.value(); }

private:
    std::optional<Error> m_error;
};

} // namespace vantorel
