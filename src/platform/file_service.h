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
    // The program waits for the job at its end (see waitForHeldJobs) until it has failed.
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

    // Threads started and not yet ended, stuck ones included.
    static int threadsRunning();
    // Waits, at most `limit`, until no job held at quit runs any more; false if one still does.
    static bool waitForHeldJobs(std::chrono::milliseconds limit);

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
    };
    // What a job's thread shares with the service, which may be gone when the job ends.
    struct Inbox;

    void start(QObject* requester, const QString& key, std::function<Erased()> work,
               std::function<void(const Erased&, bool)> done, JobLimits limits);
    void startThread(std::uint64_t job, std::function<Erased()> work);
    void finish(std::uint64_t job, const Erased& result);
    // The waiter's job failed (every waiter's for a ticket of 0): taken off the job and told,
    // unless superseded.
    void fail(std::uint64_t job, std::uint64_t ticket);
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
