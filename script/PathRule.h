// Where the files a script names lie. A relative path starts at the
// script's folder; an absolute one is taken as it is. A confined rule (an
// untrusted script) takes only relative paths that stay inside the
// script's folder once "..", "." and symbolic links are resolved.
#pragma once

#include <QString>

namespace vemmix::script {

class PathRule {
public:
    PathRule(const QString& scriptFolder, bool confined);

    bool confined() const { return m_Confined; }
    const QString& folder() const { return m_Folder; }

    // The absolute file a script's `path` names, to read or to write.
    // Throws ScriptError 70 (permission denied) for a path the rule does
    // not allow, 75 for an empty one; `source` names the caller.
    QString Resolve(const QString& path, const QString& source) const;
    // Whether an absolute path (a form's picture file) may be read.
    bool Allows(const QString& absolutePath) const;

private:
    QString m_Folder;     // absolute, cleaned
    QString m_Canonical;  // with links resolved
    bool m_Confined;
};

}  // namespace vemmix::script
