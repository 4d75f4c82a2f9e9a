#pragma once

#include <QString>
#include <QStringList>

// Where the program's files are. The shipped directory files and the help pages lie in one folder,
// the print module's library in another; what the program writes for the user (an imported
// tax-office directory) goes to the user's own data folder, which is read before the shipped one.
//
// Installed, the folders lie relative to the executable (bin/../share/tarvika,
// bin/../lib/<triplet>/tarvika), so the package works under any prefix. An executable inside the
// build tree finds the build tree's copies instead; an executable anywhere else finds its files
// beside itself. The build tree is never searched from an executable outside it.
struct ProgramFolders
{
    // Where the folders lie relative to an executable.
    struct Layout
    {
        QString installedData;   // relative to the executable's folder
        QString installedModule; // relative to the executable's folder
        QString buildRoot;       // absolute; empty when there is no build tree
        QString buildData;       // absolute
        QString buildModule;     // absolute

        // The layout this program was built with.
        static Layout ofThisBuild();
    };

    QString shipped;
    QStringList printModule;
    QString user;

    // The folders for an executable in executableFolder; user is the user's data folder.
    static ProgramFolders locate(const QString& executableFolder, const QString& user,
                                 const Layout& layout = Layout::ofThisBuild());
    // The folders of the running program. Needs the application object and its names.
    static ProgramFolders ofThisProgram();
    // Gives the application the organisation and name under which its settings and the user's
    // data folder are kept.
    static void nameApplication();

    // The folders a directory file is looked up in, first match wins: the user's, then the
    // shipped one.
    QStringList directorySearchPath() const;
    // Where a file the program writes for the user goes; the folder is created when missing.
    // Empty when the user has no data folder or it cannot be created.
    QString userFile(const QString& name) const;
};
