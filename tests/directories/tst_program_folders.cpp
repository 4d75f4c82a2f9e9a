// Where the programs find their files: installed, in the build tree, beside the executable; and
// the user's own directory files read before the shipped ones.

#include "TestFiles.h"
#include "directories/DirectoryFiles.h"
#include "directories/ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray offices(const char* code)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?><Inspections><Inspection "
                      "Code=\"") +
           code + "\">X</Inspection></Inspections>";
}

} // namespace

class TestProgramFolders : public QObject
{
    Q_OBJECT

private slots:
    void locate_data();
    void locate();
    void userCopyIsReadFirst();
    void userFile();
};

void TestProgramFolders::locate_data()
{
    // Folders below a temporary root; "" stands for the executable's own folder.
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("shipped");
    QTest::addColumn<QString>("module");

    const auto row = [](const char* name, const char* executable, const char* existing,
                        const char* shipped, const char* module) {
        QTest::newRow(name) << QString::fromLatin1(executable)
                            << QString::fromLatin1(existing).split(u' ', Qt::SkipEmptyParts)
                            << QString::fromLatin1(shipped) << QString::fromLatin1(module);
    };
    row("installed", "usr/bin", "usr/share/tarvika", "usr/share/tarvika",
        "usr/lib/x86_64-linux-gnu/tarvika");
    row("installed under another prefix", "opt/t/bin", "opt/t/share/tarvika", "opt/t/share/tarvika",
        "opt/t/lib/x86_64-linux-gnu/tarvika");
    row("build tree", "build/src/app", "build/share/tarvika", "build/share/tarvika",
        "build/src/print");
    row("build tree, deeper", "build/tests/ui/window", "", "build/share/tarvika",
        "build/src/print");
    // A folder whose name merely begins with the build folder's is outside it: the files lie
    // beside the executable, and the build tree is not searched.
    row("beside, outside the build tree", "build-copy/bin", "build/share/tarvika", "build-copy/bin",
        "build-copy/bin");
    row("installed inside the build tree", "build/stage/bin", "build/stage/share/tarvika",
        "build/stage/share/tarvika", "build/stage/lib/x86_64-linux-gnu/tarvika");
}

void TestProgramFolders::locate()
{
    QFETCH(QString, executable);
    QFETCH(QStringList, existing);
    QFETCH(QString, shipped);
    QFETCH(QString, module);
    QTemporaryDir root;
    const QDir base(root.path());
    for (const QString& folder : std::as_const(existing))
        QVERIFY(base.mkpath(folder));
    QVERIFY(base.mkpath(executable));
    const ProgramFolders::Layout layout{QStringLiteral("../share/tarvika"),
                                        QStringLiteral("../lib/x86_64-linux-gnu/tarvika"),
                                        base.filePath(QStringLiteral("build")),
                                        base.filePath(QStringLiteral("build/share/tarvika")),
                                        base.filePath(QStringLiteral("build/src/print"))};
    const ProgramFolders folders =
        ProgramFolders::locate(base.filePath(executable), QStringLiteral("/home/u/data"), layout);
    QCOMPARE(folders.shipped, base.filePath(shipped));
    QCOMPARE(folders.printModule, QStringList{base.filePath(module)});
    QCOMPARE(folders.user, QStringLiteral("/home/u/data"));
    QCOMPARE(folders.directorySearchPath(),
             (QStringList{QStringLiteral("/home/u/data"), base.filePath(shipped)}));
}

void TestProgramFolders::userCopyIsReadFirst()
{
    QTemporaryDir root;
    ProgramFolders folders;
    folders.shipped = root.filePath(QStringLiteral("shipped"));
    folders.user = root.filePath(QStringLiteral("user"));
    QVERIFY(
        writeFile(QDir(folders.shipped).filePath(DirectoryFiles::TaxOffices()), offices("7701")));
    QVERIFY(writeFile(QDir(folders.shipped).filePath(DirectoryFiles::Countries()),
                      "<Oksm><Country Code=\"643\">РОССИЯ</Country></Oksm>"));

    // Without a user copy every file comes from the shipped folder.
    DirectoryLoadResult loaded = LoadDirectories(folders.directorySearchPath());
    QVERIFY(!loaded.fatal);
    QCOMPARE(loaded.directories.taxOffices->entries().constFirst().code, QStringLiteral("7701"));

    // The user's import replaces the shipped tax offices; the other files stay shipped.
    QVERIFY(writeFile(QDir(folders.user).filePath(DirectoryFiles::TaxOffices()), offices("9999")));
    loaded = LoadDirectories(folders.directorySearchPath());
    QVERIFY(!loaded.fatal);
    QCOMPARE(loaded.directories.taxOffices->entries().size(), 1);
    QCOMPARE(loaded.directories.taxOffices->entries().constFirst().code, QStringLiteral("9999"));
    QVERIFY(loaded.directories.countriesAvailable());

    // A damaged import gives way to the shipped file, with a warning: the program still starts.
    QVERIFY(
        writeFile(QDir(folders.user).filePath(DirectoryFiles::TaxOffices()), "<Inspections><Insp"));
    loaded = LoadDirectories(folders.directorySearchPath());
    QVERIFY(!loaded.fatal);
    QCOMPARE(loaded.directories.taxOffices->entries().constFirst().code, QStringLiteral("7701"));
    QCOMPARE(loaded.warnings.size(), 1);
    QVERIFY(loaded.warnings.constFirst().startsWith(
        QStringLiteral("Файл справочника \"InspectionNumbers.xml\" не прочитан: ")));
    QVERIFY(loaded.warnings.constFirst().endsWith(
        QStringLiteral(" Программа берет справочник инспекций из файла \"%1\".")
            .arg(QDir::toNativeSeparators(
                QDir(folders.shipped).filePath(DirectoryFiles::TaxOffices())))));

    // No user folder: the search path is the shipped folder alone, never the working folder.
    folders.user.clear();
    QCOMPARE(folders.directorySearchPath(), QStringList{folders.shipped});
}

void TestProgramFolders::userFile()
{
    QTemporaryDir root;
    ProgramFolders folders;
    folders.user = root.filePath(QStringLiteral("share/Кронверт/Тарвика 2013"));
    const QString file = folders.userFile(DirectoryFiles::TaxOffices());
    QCOMPARE(file, folders.user + QStringLiteral("/InspectionNumbers.xml"));
    QVERIFY(QFileInfo(folders.user).isDir());

    folders.user.clear();
    QCOMPARE(folders.userFile(DirectoryFiles::TaxOffices()), QString());
    // A folder that cannot be made gives no file.
    QVERIFY(writeFile(root.filePath(QStringLiteral("plain")), "x"));
    folders.user = root.filePath(QStringLiteral("plain/sub"));
    QCOMPARE(folders.userFile(DirectoryFiles::TaxOffices()), QString());
}

QTEST_GUILESS_MAIN(TestProgramFolders)
#include "tst_program_folders.moc"
