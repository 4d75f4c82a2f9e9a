#pragma once

#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class mTDeclaration;
class RecoveryCopy;

// Writes recovery copies on a thread of its own, so that the program never waits for a disk while
// the person types. One copy is written at a time; a declaration handed over while another is
// being written waits, and a newer one replaces it: the newest always wins.
//
// The writer uses a copy only while it writes: after settle() nothing touches any copy, and the
// caller may remove it or hand over another.
class RecoveryWriter
{
public:
    RecoveryWriter();
    // Finishes the write in flight; a declaration still waiting is dropped.
    ~RecoveryWriter();

    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // Hands the declaration over to be written as the copy; returns at once.
    void write(RecoveryCopy& copy, std::unique_ptr<const mTDeclaration> declaration);
    // Drops the declaration waiting and waits for the write in flight.
    void settle();
    // Waits until everything handed over is written.
    void flush();
    // The message of the last write, when it failed.
    std::optional<QString> lastFailure() const;

private:
    struct Job
    {
        RecoveryCopy* copy;
        std::unique_ptr<const mTDeclaration> declaration;
    };

    void run();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<Job> m_waiting;
    // Declarations a newer one replaced while they waited: the writer's thread frees them, so that
    // handing a declaration over costs the window nothing more than the copy.
    std::vector<std::unique_ptr<const mTDeclaration>> m_replaced;
    bool m_busy = false;
    bool m_stopping = false;
    std::optional<QString> m_lastFailure;
    std::thread m_thread;
};
