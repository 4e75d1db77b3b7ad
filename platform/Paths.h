#pragma once

#include <QString>

// The folders every part of the suite works in. One instance is made at start-up and handed
// to whatever needs a folder, so tests can point the whole suite at a temporary tree.
class Paths {
public:
    // dataHome: the root under which the data folder lives (the XDG data home).
    // programFolder: the folder of the running program. tempFolder keeps a trailing "/".
    Paths(QString dataHome, QString programFolder, QString tempFolder);

    // Paths of the running program: XDG data home, application folder, this user's own
    // temporary folder.
    static Paths fromEnvironment();
    // "<system temp>/lumenfold-<uid>/": a folder of one user's own, so no other user's file
    // can stand in the way of a page written there.
    static QString userTempFolder();

    QString dataHome() const { return m_dataHome; }
    QString dataFolder() const;   // <data home>/Lumenfold
    QString systemFolder() const; // <data home>/Lumenfold/system
    QString tempFolder() const { return m_tempFolder; }
    QString programFolder() const { return m_programFolder; }

    // The same folders, but when this user cannot write the program folder (an installed
    // copy), the data folder stands in for it, so a program that keeps its files beside
    // itself can always create them.
    Paths withWritableProgramFolder() const;

    // folder + "/" + name, the one way paths are built.
    static QString join(const QString &folder, const QString &name);

    // Creates the data, system and temporary folders when missing; an existing folder is fine.
    void createFolders() const;
    // Creates the temporary folder when missing, private to this user (mode 0700). False when
    // anything else stands in its place (another user's folder, a link, a folder others may
    // enter), so that nothing is written there.
    bool createTempFolder() const;

private:
    QString m_dataHome;
    QString m_programFolder;
    QString m_tempFolder;
};
