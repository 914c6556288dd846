// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/file_service.h"

#include <algorithm>
#include <condition_variable>
#include <iterator>
#include <mutex>
#include <system_error>
#include <thread>

#include <QCoreApplication>
#include <QTimer>

namespace tallimer {

namespace {

std::atomic<int> g_threads{0};

// How many held jobs still run.
std::mutex g_heldMutex;
std::condition_variable g_heldChanged;
int g_held = 0;

}  // namespace

struct FileService::Hold {
    std::atomic<bool> counted{true};

    Hold() {
        const std::lock_guard lock(g_heldMutex);
        ++g_held;
    }
    // When the job ends or fails, whichever comes first.
    void release() {
        if (counted.exchange(false)) {
            const std::lock_guard lock(g_heldMutex);
            --g_held;
            g_heldChanged.notify_all();
        }
    }
};

struct FileService::Inbox {
    std::mutex mutex;
    FileService* service = nullptr;  // null once the service is gone
};

FileService::FileService(QObject* parent, ThreadStarter starter)
    : QObject(parent), m_starter(std::move(starter)), m_inbox(std::make_shared<Inbox>()) {
    if (!m_starter) {
        m_starter = [](std::function<void()> body) { std::thread(std::move(body)).detach(); };
    }
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

bool FileService::waitForHeldJobs(std::chrono::milliseconds limit) {
    std::unique_lock lock(g_heldMutex);
    return g_heldChanged.wait_for(lock, limit, [] { return g_held == 0; });
}

void FileService::start(QObject* requester, const QString& key, std::function<Erased()> work,
                        std::function<void(const Erased&, bool)> done, JobLimits limits) {
    const std::uint64_t ticket = ++m_nextTicket;
    if (!m_latest.contains(requester)) {
        connect(requester, &QObject::destroyed, this,
                [this](QObject* gone) { m_latest.remove(gone); });
    }
    m_latest[requester] = ticket;
    Waiter waiter{requester, ticket, std::move(done), std::move(limits.failed)};
    std::uint64_t job = 0;
    if (!key.isEmpty()) {
        job = m_byKey.value(key);
    }
    if (job != 0) {
        m_jobs[job].waiters.push_back(std::move(waiter));
    } else {
        job = ++m_nextJob;
        m_jobs[job] =
            Job{key, {std::move(waiter)}, limits.heldAtQuit ? std::make_shared<Hold>() : nullptr};
        if (!key.isEmpty()) {
            m_byKey.insert(key, job);
        }
        startThread(job, std::move(work));
    }
    if (limits.timeLimit.count() > 0) {
        QTimer::singleShot(limits.timeLimit, requester, [this, job, ticket] { fail(job, ticket); });
    }
}

void FileService::startThread(std::uint64_t job, std::function<Erased()> work) {
    std::shared_ptr<Hold> hold = m_jobs[job].hold;
    ++g_threads;
    try {
        m_starter([inbox = m_inbox, job, hold, work = std::move(work)]() mutable {
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
            if (hold) {
                hold->release();
            }
            --g_threads;
        });
    } catch (const std::system_error&) {
        // Out of threads: the job fails, after the caller has seen it start.
        --g_threads;
        QMetaObject::invokeMethod(
            this, [this, job] { fail(job, 0); }, Qt::QueuedConnection);
    }
}

bool FileService::current(const Waiter& waiter) const {
    return !waiter.requester.isNull() && m_latest.value(waiter.requester.data()) == waiter.ticket;
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
    std::vector<Waiter*> told;
    for (Waiter& waiter : ended.waiters) {
        if (current(waiter)) {
            told.push_back(&waiter);
        }
    }
    // The last one told may take the result itself; the others get copies.
    for (std::size_t i = 0; i < told.size(); ++i) {
        told[i]->done(result, i + 1 == told.size());
    }
}

// A ticket of 0 fails every waiter: the job's thread could not be started.
void FileService::fail(std::uint64_t job, std::uint64_t ticket) {
    const auto found = m_jobs.find(job);
    if (found == m_jobs.end()) {
        return;
    }
    std::vector<Waiter>& waiters = found->second.waiters;
    const auto at = std::stable_partition(
        waiters.begin(), waiters.end(),
        [ticket](const Waiter& w) { return ticket != 0 && w.ticket != ticket; });
    std::vector<Waiter> failed(std::make_move_iterator(at), std::make_move_iterator(waiters.end()));
    waiters.erase(at, waiters.end());
    if (waiters.empty()) {
        // Nobody waits for it any more: the program need not wait for it at its end either, and
        // a new job of its key starts afresh.
        if (found->second.hold) {
            found->second.hold->release();
        }
        const QString key = found->second.key;
        if (!key.isEmpty() && m_byKey.value(key) == job) {
            m_byKey.remove(key);
        }
    }
    if (ticket == 0) {
        m_jobs.erase(found);  // never started
    }
    for (const Waiter& waiter : failed) {
        if (current(waiter) && waiter.failed) {
            waiter.failed();
        }
    }
}

}  // namespace tallimer
