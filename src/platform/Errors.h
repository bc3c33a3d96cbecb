#pragma once

#include <QString>
#include <stdexcept>

namespace tavrel {

// The classic error numbers that messages show for file and printer failures.
namespace ErrNo {
inline constexpr int FileNotFound = 53;
inline constexpr int DeviceIo = 57;
inline constexpr int FileAlreadyExists = 58;
inline constexpr int DiskFull = 61;
inline constexpr int BadFileName = 64;
inline constexpr int PermissionDenied = 70;
inline constexpr int DiskNotReady = 71;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int PrinterError = 482;
} // namespace ErrNo

// A failure of the file system or the printer, carrying its error number.
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(int number, const QString& what = QString(), int systemError = 0);
    int number() const { return number_; }
    // The system's own error code behind the failure (errno), or 0.
    int systemError() const { return systemError_; }

private:
    int number_;
    int systemError_;
};

// Maps a C errno value to the error number shown to the user.
int errnoToNumber(int err);

// One sentence that tells a person what an error number means ("The Disk Is
// Full."), for messages that show the number and need to say the cause too.
QString errorInWords(int number);

} // namespace tavrel
