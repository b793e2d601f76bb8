#include "platform/FileLists.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <utility>
#include <vector>

FilePattern::FilePattern(const QString &text)
{
    const QString t = text.trimmed();
    m_valid = !t.isEmpty() && !t.contains(u'/');
    for (QChar c : t)
        m_valid = m_valid && c.unicode() >= 32 && c.category() != QChar::Other_Control;
    if (m_valid) {
        for (QString part : t.split(u';', Qt::SkipEmptyParts)) {
            part = part.trimmed();
            // "*.*" means every file, also those without a point in the name.
            if (part == QLatin1String("*.*"))
                part = QStringLiteral("*");
            const QRegularExpression re(
                QRegularExpression::wildcardToRegularExpression(part),
                QRegularExpression::CaseInsensitiveOption);
            m_valid = m_valid && re.isValid();
            m_parts << re;
        }
        m_valid = m_valid && !m_parts.isEmpty();
    }
    if (!m_valid)
        m_parts.clear();
}

bool FilePattern::matches(const QString &fileName) const
{
    if (!m_valid)
        return true;
    for (const QRegularExpression &re : m_parts)
        if (re.match(fileName).hasMatch())
            return true;
    return false;
}

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    addItems(availableDrives());
    connect(this, &QComboBox::currentIndexChanged, this, &DriveList::driveChanged);
}

QStringList DriveList::availableDrives()
{
    QStringList roots;
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady())
            roots << v.rootPath();
    return drivesFrom(roots);
}

QStringList DriveList::drivesFrom(const QStringList &mountRoots)
{
    QStringList drives{QStringLiteral("/")};
    for (QString root : mountRoots) {
        if (!root.endsWith(u'/'))
            root += u'/';
        // The kernel's own file systems hold no user files; removable media that the
        // desktop mounts under /run/media are kept.
        const bool system = root.startsWith(QLatin1String("/proc/")) || root.startsWith(QLatin1String("/sys/"))
                            || root.startsWith(QLatin1String("/dev/"))
                            || (root.startsWith(QLatin1String("/run/"))
                                && !root.startsWith(QLatin1String("/run/media/")));
        if (!system && !drives.contains(root))
            drives << root;
    }
    std::sort(drives.begin() + 1, drives.end());
    return drives;
}

void DriveList::setDriveFor(const QString &path)
{
    const QString p = path.endsWith(u'/') ? path : path + u'/';
    int best = 0;
    for (int i = 0; i < count(); ++i)
        if (p.startsWith(itemText(i)) && itemText(i).size() > itemText(best).size())
            best = i;
    setCurrentIndex(best);
}

namespace {

// The names sorted as a file list shows them: ignoring case, then by their exact text.
// Sorting the names alone spares the file information a sorted QDir listing builds.
QStringList sortedNames(QStringList names)
{
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(names.size());
    for (QString &n : names)
        keyed.emplace_back(n.toLower(), std::move(n));
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto &k : keyed)
        names << std::move(k.second);
    return names;
}

} // namespace

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    // A folder of many entries is shown at once; the rest is laid out in the background.
    setLayoutMode(QListView::Batched);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setPath(item->data(Qt::UserRole).toString()); });
}

bool FolderList::setPath(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir() || !info.isReadable())
        return false;
    const QString folder = QDir::cleanPath(info.absoluteFilePath());
    clear();
    // The ancestors from the root, the folder itself, then its subfolders, indented.
    QStringList chain;
    for (QDir d(folder);; ) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &p : chain) {
        const QString name = p == QLatin1String("/") ? p : QFileInfo(p).fileName();
        auto *item = new QListWidgetItem(QString(depth * 2, u' ') + name, this);
        item->setData(Qt::UserRole, p);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QStringList subs = sortedNames(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted));
    for (const QString &s : subs) {
        auto *item = new QListWidgetItem(QString(depth * 2, u' ') + s, this);
        item->setData(Qt::UserRole, folder == QLatin1String("/") ? folder + s : folder + u'/' + s);
    }
    const bool changed = folder != m_path;
    m_path = folder;
    if (changed)
        emit pathChanged();
    return true;
}

FileList::FileList(QWidget *parent) : QListWidget(parent) { setLayoutMode(QListView::Batched); }

void FileList::setPath(const QString &path)
{
    m_path = path;
    refresh();
}

void FileList::setPattern(const QString &pattern)
{
    // The same pattern again lists nothing anew (the pattern box repeats what it was set to).
    if (pattern == m_pattern)
        return;
    m_pattern = pattern;
    refresh();
}

QString FileList::fileName() const
{
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileList::selectFile(const QString &name)
{
    const auto found = findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        setCurrentItem(found.first());
}

void FileList::refresh()
{
    clear();
    if (m_path.isEmpty())
        return;
    const FilePattern pattern(m_pattern);
    // Regular files only: a pipe or a device is never listed (nor opened).
    const QStringList files = sortedNames(QDir(m_path).entryList(QDir::Files, QDir::Unsorted));
    for (const QString &f : files)
        if (pattern.matches(f))
            addItem(f);
}
