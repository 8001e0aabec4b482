#include "script/PathRule.h"

#include <QDir>
#include <QFileInfo>

#include "script/ScriptError.h"

namespace vemmix::script {

namespace {

bool Inside(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

// The path with its links resolved as far as it exists: the file itself,
// else its nearest existing folder and the rest of the path.
QString Resolved(const QString& path) {
    QString existing = path;
    QString rest;
    while (!QFileInfo::exists(existing)) {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing) return path;
        rest = QFileInfo(existing).fileName() + (rest.isEmpty() ? QString() : QLatin1Char('/') + rest);
        existing = parent;
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    if (canonical.isEmpty()) return path;
    return rest.isEmpty() ? canonical : QDir(canonical).filePath(rest);
}

}  // namespace

PathRule::PathRule(const QString& scriptFolder, bool confined)
    : m_Folder(QDir::cleanPath(QDir(scriptFolder).absolutePath())),
      m_Canonical(Resolved(m_Folder)),
      m_Confined(confined) {}

QString PathRule::Resolve(const QString& path, const QString& source) const {
    if (path.isEmpty() || path.contains(QChar(0)))
        throw ScriptError{hosterrors::kPathAccess, QStringLiteral("Path/File access error: the path is empty"), source};
    if (m_Confined && !QDir::isRelativePath(path))
        throw ScriptError{hosterrors::kPermissionDenied,
                          QStringLiteral("Permission denied: \"%1\" is an absolute path; an untrusted script "
                                         "names files relative to its folder")
                              .arg(path.left(200)),
                          source};
    const QString absolute = QDir::cleanPath(QDir(m_Folder).absoluteFilePath(path));
    if (m_Confined && !Allows(absolute))
        throw ScriptError{hosterrors::kPermissionDenied,
                          QStringLiteral("Permission denied: \"%1\" lies outside the script's folder")
                              .arg(path.left(200)),
                          source};
    return absolute;
}

bool PathRule::Allows(const QString& absolutePath) const {
    if (!m_Confined) return true;
    const QString clean = QDir::cleanPath(absolutePath);
    return Inside(clean, m_Folder) && clean != m_Folder && Inside(Resolved(clean), m_Canonical);
}

}  // namespace vemmix::script
