// A full or failing disk never costs a file. The command-line tool saves a declaration (convert),
// exports the XML file, imports the tax-office directory and prints to a PDF file while a preloaded
// library makes its write-side system calls fail: each call in turn, once or from then on, with "no
// space left" and with an input/output error, for a small and a multi-megabyte file. Every run that
// met a failure must report it with the system's reason and leave the previous file byte for byte,
// with no temporary file beside it. Once the new file is in place only the sync of its folder is
// left: the file is then reported as written, with a warning. A save onto a real, small
// file system that fills up is tried too, where one can be mounted.

#include "LargeDeclaration.h"
#include "SounBuilder.h"
#include "TestFiles.h"
#include "model/Declaration.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

namespace {

const QString kCli = QStringLiteral(TARVIKA_CLI);
const QString kShim = QStringLiteral(TARVIKA_FAULT_SHIM);
const char* const kOldContents = "the previous file, which must survive every failure\n";

QByteArray largeSoun()
{
    SounBuilder builder;
    for (int i = 0; i < 3000; ++i)
        builder.add(SounBuilder::Record{QByteArray::number(1001 + i),
                                        QStringLiteral("Инспекция ФНС России № %1").arg(i)});
    return builder.build();
}

// One counted call of a run: its name and whether it was made to fail.
struct Call
{
    QString name;
    bool failed = false;
};

struct Run
{
    int exitCode = -1;
    QString err;
    QList<Call> calls;
};

// What one write path does: the tool's arguments and the file it replaces, inside folder.
struct WritePath
{
    QStringList arguments;
    QString target;
};

class FaultRunner
{
public:
    explicit FaultRunner(QString folder, QString report)
        : m_folder(std::move(folder)), m_report(std::move(report))
    {}

    Run run(const QStringList& arguments, int at, int error, bool sticky) const
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_PRELOAD"), kShim);
        env.insert(QStringLiteral("TARVIKA_FAULT_DIR"), m_folder);
        env.insert(QStringLiteral("TARVIKA_FAULT_AT"), QString::number(at));
        env.insert(QStringLiteral("TARVIKA_FAULT_ERRNO"), QString::number(error));
        env.insert(QStringLiteral("TARVIKA_FAULT_STICKY"),
                   sticky ? QStringLiteral("1") : QString());
        env.insert(QStringLiteral("TARVIKA_FAULT_REPORT"), m_report);
        process.setProcessEnvironment(env);
        QFile::remove(m_report);
        process.start(kCli, arguments);
        Run result;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = process.exitCode();
        result.err = QString::fromUtf8(process.readAllStandardError());
        const QList<QByteArray> lines = readFile(m_report).split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() >= 2)
                result.calls.append({QString::fromLatin1(parts[1]), parts.size() > 2});
        }
        return result;
    }

private:
    QString m_folder;
    QString m_report;
};

// The folder holds the old file only.
void resetFolder(const QString& folder, const QString& target)
{
    QDir dir(folder);
    dir.removeRecursively();
    dir.mkpath(QStringLiteral("."));
    writeFile(target, kOldContents);
}

// A PDF carries the time it was written and an identifier of its own: two writes of one PDF
// differ there but have one length, the header and the end-of-file mark.
bool sameContents(const QByteArray& file, const QByteArray& expected)
{
    if (file == expected)
        return true;
    const auto isPdf = [](const QByteArray& bytes) {
        return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
    };
    return isPdf(file) && isPdf(expected) && file.size() == expected.size();
}

QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The calls to fail, numbered from 1: every one, except that of a long run of calls of one kind
// (the hundreds of writes of a PDF) the first and last few stand for the ones between.
QList<int> callsToFail(const QStringList& names)
{
    constexpr qsizetype kEnds = 4;
    QList<int> chosen;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0 && names.at(i) != names.at(i - 1))
            runStart = i;
        qsizetype runEnd = i;
        while (runEnd + 1 < names.size() && names.at(runEnd + 1) == names.at(i))
            ++runEnd;
        if (i - runStart < kEnds || runEnd - i < kEnds)
            chosen << int(i + 1);
    }
    return chosen;
}

QString reasonFor(int error)
{
    return error == ENOSPC ? QStringLiteral("На диске нет свободного места.")
                           : QStringLiteral("Ошибка ввода-вывода");
}

} // namespace

class TestWriteFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFailedCallKeepsTheOldFile_data();
    void everyFailedCallKeepsTheOldFile();
    void saveOntoAFullDisk_data();
    void saveOntoAFullDisk();

private:
    WritePath writePath(const QString& operation, const QString& size, const QString& folder);

    QTemporaryDir m_inputs;
};

void TestWriteFaults::initTestCase()
{
    QVERIFY(m_inputs.isValid());
    QVERIFY2(QFile::exists(kShim), qPrintable(kShim));
    QVERIFY(QFile::copy(
        QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data/entrepreneur/declaration.tv3"),
        m_inputs.filePath(QStringLiteral("small.tv3"))));
    salaryDeclaration(36).SaveToFile(m_inputs.filePath(QStringLiteral("large.tv3")));
    QVERIFY(QFileInfo(m_inputs.filePath(QStringLiteral("large.tv3"))).size() > 3 * 1024 * 1024);
    QVERIFY(writeFile(m_inputs.filePath(QStringLiteral("small.dbf")),
                      SounBuilder()
                          .add("7701", QStringLiteral("ИФНС № 1"))
                          .add("7702", QStringLiteral("ИФНС № 2"))
                          .build()));
    QVERIFY(writeFile(m_inputs.filePath(QStringLiteral("large.dbf")), largeSoun()));
    QVERIFY(writeFile(m_inputs.filePath(QStringLiteral("old.tv3")), kOldContents));
}

WritePath TestWriteFaults::writePath(const QString& operation, const QString& size,
                                     const QString& folder)
{
    const QDir out(folder);
    if (operation == QLatin1String("save")) {
        const QString target = out.filePath(QStringLiteral("declaration.tv3"));
        return {
            {QStringLiteral("convert"), m_inputs.filePath(size + QStringLiteral(".tv3")), target},
            target};
    }
    if (operation == QLatin1String("print")) {
        const QString target = out.filePath(QStringLiteral("declaration.pdf"));
        return {{QStringLiteral("print"), m_inputs.filePath(size + QStringLiteral(".tv3")),
                 QStringLiteral("--pdf"), target},
                target};
    }
    if (operation == QLatin1String("import")) {
        const QString target = out.filePath(QStringLiteral("InspectionNumbers.xml"));
        return {{QStringLiteral("import-soun"), m_inputs.filePath(size + QStringLiteral(".dbf")),
                 target},
                target};
    }
    // The export's file name comes from the declaration, the date and the identifier.
    const QStringList arguments = {
        QStringLiteral("export"), m_inputs.filePath(size + QStringLiteral(".tv3")),
        QStringLiteral("--out"),  folder,
        QStringLiteral("--date"), QStringLiteral("01.02.2014"),
        QStringLiteral("--guid"), QStringLiteral("{6f9619ff-8b86-d011-b42d-00c04fc964ff}")};
    QStringList probeArguments = arguments;
    probeArguments[3] = m_inputs.path();
    QProcess probe;
    probe.start(kCli, probeArguments);
    probe.waitForFinished(120000);
    const QString name = QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
    QFile::remove(m_inputs.filePath(name));
    return {arguments, out.filePath(name)};
}

void TestWriteFaults::everyFailedCallKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("size");
    for (const char* operation : {"save", "export", "import"}) {
        for (const char* size : {"small", "large"})
            QTest::addRow("%s %s", operation, size)
                << QString::fromLatin1(operation) << QString::fromLatin1(size);
    }
#ifdef TARVIKA_CLI_PRINT
    // The large declaration prints to thousands of pages; the small one's PDF is made of hundreds
    // of writes already. (A tool built without the windows has no print verb.)
    QTest::newRow("print small") << QStringLiteral("print") << QStringLiteral("small");
#endif
}

void TestWriteFaults::everyFailedCallKeepsTheOldFile()
{
    QFETCH(QString, operation);
    QFETCH(QString, size);
    QTemporaryDir work;
    const QString folder = work.filePath(QStringLiteral("out"));
    const WritePath path = writePath(operation, size, folder);
    const FaultRunner runner(folder, work.filePath(QStringLiteral("report")));

    // A run without a failure shows the calls there are to fail and gives the new file.
    resetFolder(folder, path.target);
    const Run clean = runner.run(path.arguments, 0, 0, false);
    QVERIFY2(clean.exitCode == 0, qPrintable(clean.err));
    const QByteArray newContents = readFile(path.target);
    QVERIFY(newContents != kOldContents);
    QStringList names;
    for (const Call& call : clean.calls)
        names << call.name;
    // The shim sees the calls that matter, else every run below would pass for nothing.
    for (const char* needed : {"write", "fdatasync", "close", "rename", "fsync"})
        QVERIFY2(names.contains(QLatin1String(needed)), qPrintable(names.join(QLatin1Char(' '))));
    const qsizetype renamed = names.indexOf(QStringLiteral("rename")) + 1;
    const QList<int> chosen = callsToFail(names);

    QStringList faults;
    int runs = 0;
    for (const bool sticky : {false, true}) {
        for (const int error : {ENOSPC, EIO}) {
            for (const int at : chosen) {
                resetFolder(folder, path.target);
                const Run run = runner.run(path.arguments, at, error, sticky);
                ++runs;
                const QString label = QStringLiteral("%1 %2 of %3 (%4, %5):")
                                          .arg(names.at(at - 1))
                                          .arg(at)
                                          .arg(names.size())
                                          .arg(QLatin1String(error == ENOSPC ? "ENOSPC" : "EIO"))
                                          .arg(QLatin1String(sticky ? "sticky" : "once"));
                // After the rename the new file is in place; a failure there keeps it. A saved
                // declaration, an exported, imported or printed file is then written: the tool
                // warns and succeeds.
                const bool inPlace = at > renamed;
                const QByteArray expected = inPlace ? newContents : QByteArray(kOldContents);
                const bool warns = inPlace;
                if (warns && run.exitCode != 0)
                    faults << label + QStringLiteral(" reported a failure of a written file");
                if (warns && !run.err.contains(QStringLiteral("но система не подтвердила запись "
                                                              "на диск: ")))
                    faults << label + QStringLiteral(" gives no warning: ") + run.err;
                if (!warns && run.exitCode == 0)
                    faults << label + QStringLiteral(" reported success");
                if (run.exitCode < 0)
                    faults << label + QStringLiteral(" the tool did not end normally");
                if (!run.err.contains(reasonFor(error)))
                    faults << label + QStringLiteral(" does not say why: ") + run.err;
                if (!sameContents(readFile(path.target), expected))
                    faults << label + QStringLiteral(" the file is neither kept nor complete");
                if (folderEntries(folder) != QStringList{QFileInfo(path.target).fileName()})
                    faults << label + QStringLiteral(" left ") +
                                  folderEntries(folder).join(QLatin1Char(' '));
            }
        }
    }
    qInfo("%s: %lld write-side calls (%lld failed in turn), %d runs with a failure, %lld lost data "
          "or reported success",
          qPrintable(operation + QLatin1Char(' ') + size), qlonglong(names.size()),
          qlonglong(chosen.size()), runs, qlonglong(faults.size()));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestWriteFaults::saveOntoAFullDisk_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("fillFirst");
    // The disk has no room left at all, and a file larger than the whole disk.
    QTest::newRow("disk already full") << QStringLiteral("small.tv3") << true;
    QTest::newRow("file larger than the disk") << QStringLiteral("large.tv3") << false;
}

void TestWriteFaults::saveOntoAFullDisk()
{
    QFETCH(QString, input);
    QFETCH(bool, fillFirst);
    QTemporaryDir work;
    const QString mountPoint = work.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(mountPoint));
    const QString old = m_inputs.filePath(QStringLiteral("old.tv3"));
    // A 1 MB file system of its own, in a mount namespace of its own: it goes with the shell.
    const QString script =
        QStringLiteral("mount -t tmpfs -o size=1m tarvika-test \"$0\" || exit 90\n"
                       "cp \"$2\" \"$0/declaration.tv3\" || exit 91\n"
                       "[ \"$4\" = 1 ] && dd if=/dev/zero of=\"$0/filler\" bs=4096 2>/dev/null\n"
                       "\"$1\" convert \"$3\" \"$0/declaration.tv3\"\n"
                       "echo \"exit=$?\"\n"
                       "cmp -s \"$2\" \"$0/declaration.tv3\" && echo kept\n"
                       "ls -A \"$0\"\n");
    const QStringList shellArguments = {QStringLiteral("-c"),
                                        script,
                                        mountPoint,
                                        kCli,
                                        old,
                                        m_inputs.filePath(input),
                                        fillFirst ? QStringLiteral("1") : QStringLiteral("0")};
    // Without privileges a user namespace allows the mount; as root a mount namespace is enough.
    QString refusal;
    for (const QStringList& prefix :
         {QStringList{QStringLiteral("--user"), QStringLiteral("--map-root-user"),
                      QStringLiteral("--mount")},
          QStringList{QStringLiteral("--mount")}}) {
        QProcess process;
        process.start(QStringLiteral("unshare"),
                      prefix + QStringList{QStringLiteral("sh")} + shellArguments);
        if (!process.waitForFinished(120000)) {
            refusal = process.errorString();
            continue;
        }
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        if (process.exitCode() == 90 || !out.contains(QLatin1String("exit="))) {
            refusal = err.trimmed();
            continue;
        }
        QVERIFY2(out.contains(QLatin1String("exit=3")), qPrintable(out + err));
        QVERIFY2(err.contains(QStringLiteral("На диске нет свободного места.")), qPrintable(err));
        QVERIFY2(out.contains(QLatin1String("kept")), qPrintable(out));
        QStringList left = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        left.removeIf([](const QString& line) {
            return line.startsWith(QLatin1String("exit=")) || line == QLatin1String("kept");
        });
        const QStringList expected =
            fillFirst ? QStringList{QStringLiteral("declaration.tv3"), QStringLiteral("filler")}
                      : QStringList{QStringLiteral("declaration.tv3")};
        QCOMPARE(left, expected);
        return;
    }
    QSKIP(qPrintable(QStringLiteral("no small file system can be mounted here (") + refusal +
                     QStringLiteral(")")));
}

QTEST_GUILESS_MAIN(TestWriteFaults)
#include "tst_write_faults.moc"
