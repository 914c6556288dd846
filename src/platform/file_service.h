// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

namespace tallimer {

// What a job does when it takes too long or cannot start.
struct JobLimits {
    // After this long the job counts as failed; zero waits for good.
    std::chrono::milliseconds timeLimit{0};
    // Called on the service's thread instead of `done` when the time limit passes first or the
    // job's thread cannot be started.
    std::function<void()> failed;
    // Asked at the time limit, before the job counts as failed: stops the work short of any
    // lasting effect. False when the work is past that point (a file being put in place, a
    // document handed to the printer); the job is then waited for until it ends.
    std::function<bool()> abandon;
    // The program waits for the job at its end (see endProgram) until it has failed.
    bool heldAtQuit = false;
};

// Where every call that may wait on a file system runs: a hard network mount whose server has
// gone, or a hung FUSE server, makes every call on it wait for good. Each job runs on a thread
// of its own (never a shared pool, where a stuck job would hold up the others) and hands its
// result back on the service's thread as a queued call. A requester's newer job supersedes its
// older ones, whose results are dropped, as are those of a requester that is gone. A job with
// the key of one still running is not started again: it waits for that job's result, and each
// waiter gets a result of its own.
class FileService : public QObject {
public:
    // Starts a job's thread; throws std::system_error when it cannot.
    using ThreadStarter = std::function<void(std::function<void()>)>;

    explicit FileService(QObject* parent = nullptr, ThreadStarter starter = {});
    ~FileService() override;

    // The program's own service, living as long as the application object.
    static FileService& instance();

    // Runs `work` off this thread; `done(result)` follows on this thread, unless superseded.
    // `requester` must not be null; `key` may be empty (never shared).
    template <class Work, class Done>
    void run(QObject* requester, const QString& key, Work work, Done done, JobLimits limits = {}) {
        using Result = std::invoke_result_t<Work&>;
        start(
            requester, key,
            [work = std::move(work)]() mutable -> std::shared_ptr<void> {
                return std::make_shared<Result>(work());
            },
            [done = std::move(done)](const std::shared_ptr<void>& result, bool last) mutable {
                auto* own = static_cast<Result*>(result.get());
                if (last) {
                    done(*own);
                } else {
                    Result copy = *own;
                    done(copy);
                }
            },
            std::move(limits));
    }

    // True while a job of `key` is waited for (neither ended nor abandoned).
    bool waitedFor(const QString& key) const { return m_byKey.contains(key); }

    // The one time limit of file and print jobs, and of the wait for them at the program's end.
    static std::chrono::milliseconds timeLimit();
    // Tests shorten it.
    static void setTimeLimit(std::chrono::milliseconds limit);

    // Threads started and not yet ended, stuck ones included.
    static int threadsRunning();
    // Waits, at most `limit`, until no job held at quit runs any more; false if one still does.
    static bool waitForHeldJobs(std::chrono::milliseconds limit);
    // The program's end: waits, within the time limit, for the jobs held at quit. Returns once
    // no job's thread runs; otherwise ends the process with `status` at once, tearing down
    // nothing that a stuck thread still uses.
    static void endProgram(int status);

private:
    using Erased = std::shared_ptr<void>;
    // Held jobs' count, shared with their threads.
    struct Hold;
    struct Waiter {
        QPointer<QObject> requester;
        std::uint64_t ticket = 0;
        std::function<void(const Erased&, bool)> done;
        std::function<void()> failed;
    };
    struct Job {
        QString key;
        std::vector<Waiter> waiters;
        std::shared_ptr<Hold> hold;
        std::function<bool()> abandon;
    };
    // What a job's thread shares with the service, which may be gone when the job ends.
    struct Inbox;

    void start(QObject* requester, const QString& key, std::function<Erased()> work,
               std::function<void(const Erased&, bool)> done, JobLimits limits);
    void startThread(std::uint64_t job, std::function<Erased()> work);
    void finish(std::uint64_t job, const Erased& result);
    // The waiter's time limit has passed: it leaves the job and is told, unless superseded; the
    // last to leave abandons the job, unless the job can no longer stop.
    void timedOut(std::uint64_t job, std::uint64_t ticket);
    // The job's thread could not be started: every waiter is told.
    void startFailed(std::uint64_t job);
    // The waiters whose requester is gone leave their jobs.
    void dropGoneWaiters();
    // Takes a job no one waits for any more off the table; its thread may still run.
    void forget(std::unordered_map<std::uint64_t, Job>::iterator job);
    void tell(const std::vector<Waiter>& failed) const;
    bool current(const Waiter& waiter) const;

    ThreadStarter m_starter;
    std::shared_ptr<Inbox> m_inbox;
    std::unordered_map<std::uint64_t, Job> m_jobs;
    QHash<QString, std::uint64_t> m_byKey;
    QHash<const QObject*, std::uint64_t> m_latest;  // each requester's newest ticket
    std::uint64_t m_nextJob = 0;
    std::uint64_t m_nextTicket = 0;
};

}  // namespace tallimer
