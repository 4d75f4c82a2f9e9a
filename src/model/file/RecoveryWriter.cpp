#include "model/file/RecoveryWriter.h"

#include "model/Declaration.h"
#include "model/file/RecoveryStore.h"
#include "storage/StorageErrors.h"

#include <new>
#include <utility>

RecoveryWriter::RecoveryWriter() : m_thread([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_waiting.reset();
    }
    m_wake.notify_one();
    m_thread.join();
}

void RecoveryWriter::write(RecoveryCopy& copy, std::unique_ptr<const mTDeclaration> declaration)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_waiting)
            m_replaced.push_back(std::move(m_waiting->declaration));
        m_waiting = Job{&copy, std::move(declaration)};
    }
    m_wake.notify_one();
}

void RecoveryWriter::settle()
{
    std::unique_lock lock(m_mutex);
    // The declaration dropped here is freed on this thread, outside the lock.
    std::optional<Job> dropped = std::exchange(m_waiting, std::nullopt);
    m_idle.wait(lock, [this] { return !m_busy; });
    lock.unlock();
}

void RecoveryWriter::flush()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_busy && !m_waiting; });
}

std::optional<QString> RecoveryWriter::lastFailure() const
{
    const std::lock_guard lock(m_mutex);
    return m_lastFailure;
}

void RecoveryWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || m_waiting; });
        if (m_stopping)
            return;
        Job job = std::move(*m_waiting);
        m_waiting.reset();
        m_busy = true;
        lock.unlock();

        std::optional<QString> failure;
        try {
            job.copy->write(*job.declaration);
        } catch (const mEPrivBase& error) {
            failure = error.message();
        } catch (const std::bad_alloc&) {
            failure = StorageMessage::outOfMemory();
        }
        job.declaration.reset();

        lock.lock();
        std::vector<std::unique_ptr<const mTDeclaration>> replaced = std::move(m_replaced);
        m_replaced.clear();
        lock.unlock();
        replaced.clear();

        lock.lock();
        m_busy = false;
        m_lastFailure = std::move(failure);
        m_idle.notify_all();
    }
}
