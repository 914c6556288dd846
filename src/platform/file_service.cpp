#include "platform/file_service.h"

#include <mutex>
#include <thread>

#include <QCoreApplication>

namespace tallimer {

namespace {

std::atomic<int> g_threads{0};

}  // namespace

struct FileService::Inbox {
    std::mutex mutex;
    FileService* service = nullptr;  // null once the service is gone
};

FileService::FileService(QObject* parent) : QObject(parent), m_inbox(std::make_shared<Inbox>()) {
    m_inbox->service = this;
}

FileService::~FileService() {
    const std::lock_guard lock(m_inbox->mutex);
    m_inbox->service = nullptr;
}

FileService& FileService::instance() {
    // A child of the application, so it goes with it; made on first use, on the GUI thread.
    static QPointer<FileService> service;
    if (service.isNull()) {
        service = new FileService(QCoreApplication::instance());
    }
    return *service;
}

int FileService::threadsRunning() {
    return g_threads.load();
}

void FileService::cancel(const QObject* requester) {
    if (m_latest.contains(requester)) {
        m_latest[requester] = ++m_nextTicket;
    }
}

void FileService::start(QObject* requester, const QString& key, std::function<Erased()> work,
                        std::function<void(const Erased&)> done) {
    const std::uint64_t ticket = ++m_nextTicket;
    if (!m_latest.contains(requester)) {
        connect(requester, &QObject::destroyed, this,
                [this](QObject* gone) { m_latest.remove(gone); });
    }
    m_latest[requester] = ticket;
    Waiter waiter{requester, ticket, std::move(done)};
    if (!key.isEmpty()) {
        if (const auto running = m_byKey.constFind(key); running != m_byKey.cend()) {
            m_jobs[*running].waiters.push_back(std::move(waiter));
            return;
        }
    }
    const std::uint64_t job = ++m_nextJob;
    m_jobs[job] = Job{key, {std::move(waiter)}};
    if (!key.isEmpty()) {
        m_byKey.insert(key, job);
    }
    ++g_threads;
    std::thread([inbox = m_inbox, job, work = std::move(work)]() mutable {
        Erased result = work();
        work = nullptr;  // what the job holds goes on its own thread
        {
            const std::lock_guard lock(inbox->mutex);
            if (FileService* service = inbox->service) {
                QMetaObject::invokeMethod(
                    service, [service, job, result] { service->finish(job, result); },
                    Qt::QueuedConnection);
            }
        }
        --g_threads;
    }).detach();
}

void FileService::finish(std::uint64_t job, const Erased& result) {
    const auto found = m_jobs.find(job);
    if (found == m_jobs.end()) {
        return;
    }
    Job ended = std::move(found->second);
    m_jobs.erase(found);
    if (!ended.key.isEmpty() && m_byKey.value(ended.key) == job) {
        m_byKey.remove(ended.key);
    }
    for (Waiter& waiter : ended.waiters) {
        if (!waiter.requester.isNull() &&
            m_latest.value(waiter.requester.data()) == waiter.ticket) {
            waiter.done(result);
        }
    }
}

}  // namespace tallimer
