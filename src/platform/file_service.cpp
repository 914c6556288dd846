// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/file_service.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <mutex>
#include <system_error>
#include <thread>

#include <QCoreApplication>
#include <QTimer>

namespace tallimer {

namespace {

std::atomic<int> g_threads{0};
std::atomic<std::chrono::milliseconds::rep> g_timeLimit{5000};

// How many held jobs still run. Never destroyed: a detached thread may end after the program's
// static objects are gone.
struct HeldJobs {
    std::mutex mutex;
    std::condition_variable changed;
    int count = 0;
};
HeldJobs& heldJobs() {
    static auto* held = new HeldJobs;
    return *held;
}

}  // namespace

struct FileService::Hold {
    std::atomic<bool> counted{true};

    Hold() {
        const std::lock_guard lock(heldJobs().mutex);
        ++heldJobs().count;
    }
    // When the job ends or fails, whichever comes first.
    void release() {
        if (counted.exchange(false)) {
            HeldJobs& held = heldJobs();
            const std::lock_guard lock(held.mutex);
            --held.count;
            held.changed.notify_all();
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

std::chrono::milliseconds FileService::timeLimit() {
    return std::chrono::milliseconds(g_timeLimit.load());
}

void FileService::setTimeLimit(std::chrono::milliseconds limit) {
    g_timeLimit = limit.count();
}

int FileService::threadsRunning() {
    return g_threads.load();
}

bool FileService::waitForHeldJobs(std::chrono::milliseconds limit) {
    HeldJobs& held = heldJobs();
    std::unique_lock lock(held.mutex);
    return held.changed.wait_for(lock, limit, [&held] { return held.count == 0; });
}

void FileService::endProgram(int status) {
    waitForHeldJobs(timeLimit());
    if (threadsRunning() > 0) {
        // A stuck thread may be inside the file system or the print system, which the
        // application's teardown would take away from under it.
        std::fflush(nullptr);
        std::_Exit(status);
    }
}

void FileService::start(QObject* requester, const QString& key, std::function<Erased()> work,
                        std::function<void(const Erased&, bool)> done, JobLimits limits) {
    const std::uint64_t ticket = ++m_nextTicket;
    if (!m_latest.contains(requester)) {
        connect(requester, &QObject::destroyed, this, [this](QObject* gone) {
            m_latest.remove(gone);
            dropGoneWaiters();
        });
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
        m_jobs[job] = Job{key,
                          {std::move(waiter)},
                          limits.heldAtQuit ? std::make_shared<Hold>() : nullptr,
                          std::move(limits.abandon)};
        if (!key.isEmpty()) {
            m_byKey.insert(key, job);
        }
        startThread(job, std::move(work));
    }
    if (limits.timeLimit.count() > 0) {
        QTimer::singleShot(limits.timeLimit, requester,
                           [this, job, ticket] { timedOut(job, ticket); });
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
            this, [this, job] { startFailed(job); }, Qt::QueuedConnection);
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

void FileService::timedOut(std::uint64_t job, std::uint64_t ticket) {
    const auto found = m_jobs.find(job);
    if (found == m_jobs.end()) {
        return;
    }
    std::vector<Waiter>& waiters = found->second.waiters;
    const auto at = std::find_if(waiters.begin(), waiters.end(),
                                 [ticket](const Waiter& w) { return w.ticket == ticket; });
    if (at == waiters.end()) {
        return;
    }
    if (waiters.size() == 1 && found->second.abandon && !found->second.abandon()) {
        return;  // past stopping: its own end tells
    }
    std::vector<Waiter> failed;
    failed.push_back(std::move(*at));
    waiters.erase(at);
    if (waiters.empty()) {
        forget(found);
    }
    tell(failed);
}

void FileService::startFailed(std::uint64_t job) {
    const auto found = m_jobs.find(job);
    if (found == m_jobs.end()) {
        return;
    }
    const std::vector<Waiter> failed = std::move(found->second.waiters);
    forget(found);
    tell(failed);
}

void FileService::dropGoneWaiters() {
    for (auto it = m_jobs.begin(); it != m_jobs.end();) {
        std::erase_if(it->second.waiters, [](const Waiter& w) { return w.requester.isNull(); });
        const auto next = std::next(it);
        if (it->second.waiters.empty()) {
            forget(it);
        }
        it = next;
    }
}

void FileService::forget(std::unordered_map<std::uint64_t, Job>::iterator job) {
    // Nobody waits for it any more: the program need not wait for it at its end either, and a
    // new job of its key starts afresh.
    if (job->second.hold) {
        job->second.hold->release();
    }
    const QString& key = job->second.key;
    if (!key.isEmpty() && m_byKey.value(key) == job->first) {
        m_byKey.remove(key);
    }
    m_jobs.erase(job);
}

void FileService::tell(const std::vector<Waiter>& failed) const {
    for (const Waiter& waiter : failed) {
        if (current(waiter) && waiter.failed) {
            waiter.failed();
        }
    }
}

}  // namespace tallimer
