#include "CupsServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString cupsd = QStringLiteral("/usr/sbin/cupsd");
const QString backend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

bool writeText(const QString& fileName, const QString& text)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size() &&
           file.flush();
}

} // namespace

// A short folder name: the socket's path must stay short and the backend takes "_" for a space.
CupsServer::CupsServer() : m_dir(QStringLiteral("/tmp/tarvika-cups-XXXXXX")) {}

CupsServer::~CupsServer()
{
    stop();
}

bool CupsServer::fail(const QString& reason)
{
    m_error = reason;
    return false;
}

bool CupsServer::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return fail(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) +
                    QStringLiteral(": ") + QString::fromLocal8Bit(process.readAllStandardError()));
    return true;
}

bool CupsServer::start()
{
    if (!QFileInfo(cupsd).isExecutable() || !QFileInfo::exists(backend))
        return fail(QStringLiteral("cups and printer-driver-cups-pdf are not installed"));
    // The backend runs only from a cupsd of root, which starts it as root.
    if (geteuid() != 0)
        return fail(QStringLiteral("the cups-pdf backend needs a cupsd running as root"));
    const group* lp = getgrnam("lp");
    if (!m_dir.isValid() || !lp)
        return fail(QStringLiteral("no temporary folder or no group lp"));
    for (const char* name : {"conf", "spool", "log", "cache", "state", "out", "tmp"})
        QDir(m_dir.path()).mkdir(QString::fromLatin1(name));
    // The filters run as lp and need the temporary folder; the backend writes out as root.
    if (chown(QFile::encodeName(path(QStringLiteral("tmp"))).constData(), 0, lp->gr_gid) != 0 ||
        !QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ExeOwner | QFile::ReadGroup |
                                                 QFile::ExeGroup | QFile::ReadOther |
                                                 QFile::ExeOther))
        return fail(QStringLiteral("cannot prepare the temporary folder"));
    chmod(QFile::encodeName(path(QStringLiteral("tmp"))).constData(), 01770);

    const QString socket = path(QStringLiteral("cups.sock"));
    const QString conf =
        QStringLiteral("Listen %1\nLogLevel info\nMaxLogSize 0\nBrowsing No\nWebInterface No\n"
                       "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n"
                       "</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                       "  </Limit>\n</Policy>\n")
            .arg(socket);
    const QString files =
        QStringLiteral("ServerRoot %1/conf\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                       "CacheDir %1/cache\nStateDir %1/state\nServerBin /usr/lib/cups\n"
                       "DataDir /usr/share/cups\nErrorLog %1/log/error_log\n"
                       "AccessLog %1/log/access_log\nPageLog %1/log/page_log\nUser lp\nGroup lp\n"
                       "SystemGroup root\n")
            .arg(m_dir.path());
    // The backend reads the settings of a queue "cups-pdf:/NAME" only from /etc/cups.
    const QString instance = QFileInfo(m_dir.path()).fileName();
    m_instanceFile = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(instance);
    const QString pdfSettings =
        QStringLiteral("Out %1/out\nSpool %1/pdfspool\nLog %1/log\nAnonDirName %1/out\nGrp lp\n")
            .arg(m_dir.path());
    if (!writeText(path(QStringLiteral("conf/cupsd.conf")), conf) ||
        !writeText(path(QStringLiteral("conf/cups-files.conf")), files) ||
        !writeText(m_instanceFile, pdfSettings))
        return fail(QStringLiteral("cannot write the configuration"));

    qputenv("CUPS_SERVER", QFile::encodeName(socket));
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"),
                          path(QStringLiteral("conf/cupsd.conf")), QStringLiteral("-s"),
                          path(QStringLiteral("conf/cups-files.conf"))});
    if (!m_cupsd.waitForStarted(5000))
        return fail(QStringLiteral("cupsd did not start: ") + m_cupsd.errorString());
    const QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(socket)) {
        if (deadline.hasExpired() || m_cupsd.state() != QProcess::Running)
            return fail(QStringLiteral("cupsd did not start: ") +
                        QString::fromLocal8Bit(m_cupsd.readAll()));
        QThread::msleep(50);
    }
    // Text stays text on the way through PostScript only with the cairo renderer.
    return run(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), QString::fromLatin1(QueueName), QStringLiteral("-E"),
                QStringLiteral("-v"), QStringLiteral("cups-pdf:/") + instance, QStringLiteral("-P"),
                ppd, QStringLiteral("-o"), QStringLiteral("pdftops-renderer-default=pdftocairo")});
}

QString CupsServer::waitForPdf(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const QDir out(path(QStringLiteral("out")));
    while (!deadline.hasExpired()) {
        QProcess jobs;
        jobs.start(QStringLiteral("lpstat"),
                   {QStringLiteral("-o"), QString::fromLatin1(QueueName)});
        jobs.waitForFinished(10000);
        const bool pending = !jobs.readAllStandardOutput().trimmed().isEmpty();
        const QStringList pdfs = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        if (!pending && !pdfs.isEmpty())
            return out.filePath(pdfs.first());
        QThread::msleep(100);
    }
    return QString();
}

void CupsServer::stop()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(2000);
    }
    if (!m_instanceFile.isEmpty())
        QFile::remove(m_instanceFile);
    m_instanceFile.clear();
}
