#include "Commons.h"

#include <QCoreApplication>
#include <QDir>
#include <filesystem>
#include <system_error>

namespace {

// The application object does not exist yet when this runs, so ask the kernel
// for the program file instead of QCoreApplication::applicationDirPath.
QString ProgramDirectory()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return QDir::currentPath();
    return QString::fromStdString(exe.parent_path().string());
}

} // namespace

QString ShownTitle() { return QCoreApplication::translate("Package", "Christmas Zelmo"); }

QString WithTrailingSeparator(const QString& dir)
{
    const QChar separator = QDir::separator();
    return dir.endsWith(separator) ? dir : dir + separator;
}

const QString AppDir = WithTrailingSeparator(ProgramDirectory());
