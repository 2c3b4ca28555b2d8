#pragma once
// The one exception hierarchy of the platform layer. A handler that lets one
// escape gets it reported by the application object, never silently dropped.
#include <QString>
#include <exception>

namespace vcl {

class Exception : public std::exception {
public:
    explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// A text that is not a number or a date, a date that does not exist.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

} // namespace vcl
