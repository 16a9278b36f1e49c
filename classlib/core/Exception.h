#pragma once
// The library's exception family. Every failure the library reports is an Exception with a
// message text; uncaught ones reach the application's handler, which shows the message.

#include <stdexcept>
#include <string>

namespace cl {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

#define CL_DECLARE_EXCEPTION(Name, Base)                                   \
    class Name : public Base {                                             \
    public:                                                                \
        explicit Name(const std::string& message) : Base(message) {}       \
    }

CL_DECLARE_EXCEPTION(EStreamError, Exception);
CL_DECLARE_EXCEPTION(EReadError, EStreamError);
CL_DECLARE_EXCEPTION(EWriteError, EStreamError);
CL_DECLARE_EXCEPTION(EFOpenError, EStreamError);
CL_DECLARE_EXCEPTION(EFCreateError, EStreamError);
CL_DECLARE_EXCEPTION(EConvertError, Exception);
CL_DECLARE_EXCEPTION(EListError, Exception);
CL_DECLARE_EXCEPTION(EComponentError, Exception);
CL_DECLARE_EXCEPTION(EInvalidOperation, Exception);
CL_DECLARE_EXCEPTION(EFormReadError, Exception);
CL_DECLARE_EXCEPTION(EInvalidCast, Exception);
CL_DECLARE_EXCEPTION(EDBEditError, Exception);

}  // namespace cl
