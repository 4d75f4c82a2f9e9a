#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A CUPS server of the test's own: cupsd with a temporary configuration, listening on a local
// socket only, with one PDF-writing queue of the cups-pdf backend whose files go into the
// temporary folder. The system's print service and its queues are never touched; the backend's
// instance file in /etc/cups (the one place it reads) is removed again. CUPS_SERVER points this
// process at the server, so it must be started before anything asks for printers.
class CupsServer
{
public:
    static constexpr const char* QueueName = "TarvikaPDF";

    CupsServer();
    ~CupsServer();
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    // Starts the server and adds the queue; false with the reason in error().
    bool start();
    void stop();
    QString error() const { return m_error; }

    // Waits until every job of the queue is done and returns the PDF it wrote, or an empty text.
    QString waitForPdf(int timeoutMs);

private:
    bool fail(const QString& reason);
    bool run(const QString& program, const QStringList& arguments);
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_instanceFile;
    QString m_error;
};
