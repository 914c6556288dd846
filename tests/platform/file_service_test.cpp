#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
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
        gate->release(100);
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
    // More stuck jobs than a pool sized to the cores has threads.
    std::vector<std::unique_ptr<QObject>> stuck(2 * QThread::idealThreadCount() + 2);
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
    QTest::qWait(20);  // the late answers' queued calls
    EXPECT_EQ(got, std::vector<int>{3});
}

TEST_F(FileServiceTest, AJobOfAKeyStillRunningIsNotStartedAgain) {
    QObject requester;
    for (int i = 0; i < 3; ++i) {
        service.run(&requester, QStringLiteral("list /dead"), blocked(i), into(got));
    }
    QTest::qWait(50);
    EXPECT_EQ(FileService::threadsRunning(), 1);
    gate->release(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !got.empty(); }, 2000));
    EXPECT_EQ(got, std::vector<int>{0});  // the one job's answer, to the newest request
    service.run(&requester, QStringLiteral("list /dead"), blocked(5), into(got));  // ended: anew
    gate->release(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return got.size() == 2; }, 2000));
    EXPECT_EQ(*calls, 2);
}

}  // namespace
}  // namespace tallimer
