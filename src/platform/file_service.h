#pragma once

#include <atomic>
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

// Where every call that may wait on a file system runs: a hard network mount whose server has
// gone, or a hung FUSE server, makes every call on it wait for good. Each job runs on a thread
// of its own (never a shared pool, where a stuck job would hold up the others) and hands its
// result back on the service's thread as a queued call. A requester's newer job supersedes its
// older ones, whose results are dropped, as are those of a requester that is gone. A job with
// the key of one still running is not started again: it waits for that job's result. Nothing
// ever waits for a job's thread, at quit neither.
class FileService : public QObject {
public:
    explicit FileService(QObject* parent = nullptr);
    ~FileService() override;

    // The program's own service, living as long as the application object.
    static FileService& instance();

    // Runs `work` off this thread; `done(result)` follows on this thread, unless superseded.
    // `requester` must not be null; `key` may be empty (never shared).
    template <class Work, class Done>
    void run(QObject* requester, const QString& key, Work work, Done done) {
        using Result = std::invoke_result_t<Work&>;
        start(
            requester, key,
            [work = std::move(work)]() mutable -> std::shared_ptr<void> {
                return std::make_shared<Result>(work());
            },
            [done = std::move(done)](const std::shared_ptr<void>& result) mutable {
                done(*static_cast<Result*>(result.get()));
            });
    }

    // Forgets the requester's jobs: none of their results is delivered.
    void cancel(const QObject* requester);

    // Threads started and not yet ended, stuck ones included.
    static int threadsRunning();

private:
    using Erased = std::shared_ptr<void>;
    struct Waiter {
        QPointer<QObject> requester;
        std::uint64_t ticket = 0;
        std::function<void(const Erased&)> done;
    };
    struct Job {
        QString key;
        std::vector<Waiter> waiters;
    };
    // What a job's thread shares with the service, which may be gone when the job ends.
    struct Inbox;

    void start(QObject* requester, const QString& key, std::function<Erased()> work,
               std::function<void(const Erased&)> done);
    void finish(std::uint64_t job, const Erased& result);

    std::shared_ptr<Inbox> m_inbox;
    std::unordered_map<std::uint64_t, Job> m_jobs;
    QHash<QString, std::uint64_t> m_byKey;
    QHash<const QObject*, std::uint64_t> m_latest;  // each requester's newest ticket
    std::uint64_t m_nextJob = 0;
    std::uint64_t m_nextTicket = 0;
};

}  // namespace tallimer
