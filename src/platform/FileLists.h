#pragma once
// The three lists of a file chooser: the drives ("/" and the mounted volumes), the
// folders of a path (its ancestors, itself and its subfolders) and the files of a
// folder that match a pattern.

#include <QComboBox>
#include <QListWidget>
#include <QRegularExpression>

// Patterns separated by ";" ("*.txt;*.kvd"), matched ignoring case. A blank or
// invalid text (a "/" in it, a control character) matches every file ("*").
class FilePattern {
public:
    explicit FilePattern(const QString &text);
    bool isValid() const { return m_valid; }
    bool matches(const QString &fileName) const;

private:
    QList<QRegularExpression> m_parts;
    bool m_valid = false;
};

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent = nullptr);
    // "/" and the roots of the mounted volumes that hold files, each ending in "/".
    static QStringList availableDrives();
    // The same list made from the roots of the mounted volumes.
    static QStringList drivesFrom(const QStringList &mountRoots);
    QString drive() const { return currentText(); }
    // Selects the drive that holds the path (the longest root it starts with).
    void setDriveFor(const QString &path);

signals:
    void driveChanged(); // Drive1_Change
};

class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);
    // The folder shown; "/" for the root, otherwise without a trailing "/".
    QString path() const { return m_path; }
    // Shows the folder (double-click or Enter on an entry does the same); false, and
    // nothing changes, when it is not a readable folder.
    bool setPath(const QString &path);

signals:
    void pathChanged(); // Dir1_Change

private:
    QString m_path;
};

class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);
    QString path() const { return m_path; }
    void setPath(const QString &path);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);
    // The selected file's name, "" when none.
    QString fileName() const;
    void selectFile(const QString &name);

private:
    void refresh();
    QString m_path;
    QString m_pattern = QStringLiteral("*");
};
