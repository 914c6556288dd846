// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QSemaphore>
#include <QTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "platform/file_service.h"

namespace tallimer {
namespace {

// Jobs on a file system whose calls block until the test lets them through (10 s at most, so
// a failing test still ends), as a dead mount's do.
class FileServiceTest : public ::testing::Test {
protected:
    void TearDown() override {
        gate->release(1000);
        EXPECT_TRUE(QTest::qWaitFor([] { return FileService::threadsRunning() == 0; }, 5000));
    }
    auto blocked(int value) {
        return [gate = gate, calls = calls, value] {
            ++*calls;
            gate->tryAcquire(1, 10000);
            return value;
        };
    }
    auto into(std::vector<int>& got) {
        return [&got](int value) { got.push_back(value); };
    }

    FileService service;
    std::shared_ptr<QSemaphore> gate = std::make_shared<QSemaphore>();
    std::shared_ptr<std::atomic<int>> calls = std::make_shared<std::atomic<int>>(0);
    std::vector<int> got;
};

TEST_F(FileServiceTest, StuckJobsHoldUpNoOtherJob) {
    // More stuck jobs than a pool sized to the cores of any usual machine has threads.
    std::vector<std::unique_ptr<QObject>> stuck(80);
    for (std::size_t i = 0; i < stuck.size(); ++i) {
        stuck[i] = std::make_unique<QObject>();
        service.run(stuck[i].get(), QString::number(i), blocked(-1), into(got));
    }
    QObject requester;
    service.run(
        &requester, {}, [] { return 7; }, into(got));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !got.empty(); }, 2000));
    EXPECT_EQ(got, std::vector<int>{7});
}

TEST_F(FileServiceTest, OnlyTheNewestJobOfARequesterStillThereIsDelivered) {
    auto gone = std::make_unique<QObject>();
    QObject requester;
    service.run(gone.get(), {}, blocked(1), into(got));
    service.run(&requester, {}, blocked(2), into(got));
    service.run(&requester, {}, blocked(3), into(got));  // supersedes 2
    gone.reset();
    gate->release(3);
    EXPECT_TRUE(QTest::qWaitFor([] { return FileService::threadsRunning() == 0; }, 5000));
    QCoreApplication::processEvents();  // the answers, posted before their threads ended
    EXPECT_EQ(got, std::vector<int>{3});
}

TEST_F(FileServiceTest, AJobOfAKeyStillRunningIsNotStartedAgain) {
    QObject requester;
    for (int i = 0; i < 3; ++i) {
        service.run(&requester, QStringLiteral("list /dead"), blocked(i), into(got));
    }
    EXPECT_EQ(FileService::threadsRunning(), 1);
    gate->release(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !got.empty(); }, 2000));
    EXPECT_EQ(got, std::vector<int>{0});  // the one job's answer, to the newest request
    service.run(&requester, QStringLiteral("list /dead"), blocked(5), into(got));  // ended: anew
    gate->release(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return got.size() == 2; }, 2000));
    EXPECT_EQ(*calls, 2);
}

TEST_F(FileServiceTest, EachWaiterOfASharedJobGetsAResultOfItsOwn) {
    QObject first, second;
    std::vector<std::vector<int>> seen;
    const auto rows = [] { return std::vector<int>{1, 2}; };
    for (QObject* requester : {&first, &second}) {
        service.run(requester, QStringLiteral("list /"), rows,
                    [&seen](std::vector<int>& result) { seen.push_back(std::move(result)); });
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return seen.size() == 2; }, 5000));
    EXPECT_EQ(seen, (std::vector<std::vector<int>>(2, {1, 2})));
}

// A job that fails, by its time limit or a thread that cannot start, says so once, never
// answers late, leaves the service's table and no longer holds the program's end; a job past
// stopping is waited for to its end instead.
TEST_F(FileServiceTest, AFailedJobSaysSoOnceAndNeverAnswers) {
    const auto noThreads = [](const std::function<void()>&) {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    };
    struct Case {
        bool threadFails;
        bool stops;
    };
    for (const Case c : {Case{false, true}, Case{true, true}, Case{false, false}}) {
        SCOPED_TRACE(testing::Message() << c.threadFails << c.stops);
        FileService tried(nullptr, c.threadFails ? FileService::ThreadStarter(noThreads)
                                                 : FileService::ThreadStarter());
        QObject requester;
        int failed = 0;
        int asked = 0;
        got.clear();
        tried.run(&requester, QStringLiteral("save"), blocked(1), into(got),
                  JobLimits{.timeLimit = std::chrono::milliseconds(50),
                            .failed = [&failed] { ++failed; },
                            .abandon = [&asked, &c] { return ++asked, c.stops; },
                            .heldAtQuit = true});
        EXPECT_FALSE(FileService::waitForHeldJobs(std::chrono::milliseconds(0)));
        EXPECT_TRUE(QTest::qWaitFor([&] { return failed + asked > 0; }, 5000));
        EXPECT_EQ(FileService::waitForHeldJobs(std::chrono::milliseconds(0)), c.stops);
        EXPECT_EQ(tried.waitedFor(QStringLiteral("save")), !c.stops);
        gate->release(c.threadFails ? 0 : 1);
        EXPECT_TRUE(QTest::qWaitFor([] { return FileService::threadsRunning() == 0; }, 5000));
        QCoreApplication::processEvents();
        EXPECT_EQ(failed, c.stops ? 1 : 0);
        EXPECT_EQ(got, c.stops ? std::vector<int>{} : std::vector<int>{1});
    }
}

TEST_F(FileServiceTest, TheProgramsEndWaitsForAHeldJobThatEnds) {
    QObject requester;
    service.run(&requester, {}, blocked(1), into(got),
                JobLimits{.timeLimit = {}, .failed = {}, .abandon = {}, .heldAtQuit = true});
    EXPECT_FALSE(FileService::waitForHeldJobs(std::chrono::milliseconds(10)));
    gate->release(1);
    EXPECT_TRUE(FileService::waitForHeldJobs(std::chrono::seconds(5)));
}

}  // namespace
}  // namespace tallimer
