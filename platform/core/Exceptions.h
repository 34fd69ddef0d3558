// The exception family of the class library: what a handler lets escape is
// caught at the event loop and shown by the application's exception box.
#pragma once

#include "platform/core/AnsiString.h"

#include <stdexcept>

class Exception : public std::runtime_error {
public:
    explicit Exception(const AnsiString& message) : std::runtime_error(message) {}
    AnsiString Message() const { return what(); }
};

// A failed conversion of text to a number or of parts to a date.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A settings store that cannot be read or written.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// A list or grid index outside its range.
class EListError : public Exception {
public:
    using Exception::Exception;
};
