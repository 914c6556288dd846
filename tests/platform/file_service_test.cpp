#include <QObject>
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

// A file system whose calls block until the test lets them through, as a dead mount's do.
struct BlockingFileSystem {
    std::shared_ptr<QSemaphore> gate = std::make_shared<QSemaphore>();
    std::shared_ptr<std::atomic<int>> calls = std::make_shared<std::atomic<int>>(0);

    // A call that blocks (at most 10 s, so a failing test still ends) and answers `value`.
    auto call(int value) const {
        return [gate = gate, calls = calls, value] {
            ++*calls;
            gate->tryAcquire(1, 10000);
            return value;
        };
    }
    void release(int count) const { gate->release(count); }
};

class FileServiceTest : public ::testing::Test {
protected:
    void TearDown() override {
        fs.release(100);
        // Every thread ends once let through; none is left to outlive the test.
        EXPECT_TRUE(QTest::qWaitFor([] { return FileService::threadsRunning() == 0; }, 5000));
    }
    auto recordInto(std::vector<int>& got) {
        return [&got](int value) { got.push_back(value); };
    }

    FileService service;
    BlockingFileSystem fs;
};

TEST_F(FileServiceTest, StuckJobsHoldUpNoOtherJob) {
    // More stuck jobs than a pool sized to the cores has threads.
    std::vector<std::unique_ptr<QObject>> stuck;
    std::vector<int> never;
    for (int i = 0; i < 2 * QThread::idealThreadCount() + 2; ++i) {
        stuck.push_back(std::make_unique<QObject>());
        service.run(stuck.back().get(), QString::number(i), fs.call(i), recordInto(never));
    }
    QObject requester;
    std::vector<int> got;
    service.run(
        &requester, {}, [] { return 7; }, recordInto(got));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !got.empty(); }, 2000));
    EXPECT_EQ(got, std::vector<int>{7});
    EXPECT_TRUE(never.empty());
}

TEST_F(FileServiceTest, OnlyTheNewestJobOfARequesterStillThereIsDelivered) {
    auto first = std::make_unique<QObject>();
    QObject second;
    std::vector<int> gotFirst;
    std::vector<int> gotSecond;
    service.run(first.get(), {}, fs.call(1), recordInto(gotFirst));
    service.run(&second, {}, fs.call(2), recordInto(gotSecond));
    service.run(&second, {}, fs.call(3), recordInto(gotSecond));  // supersedes 2
    first.reset();                                                // gone before its answer
    fs.release(3);
    EXPECT_TRUE(QTest::qWaitFor([] { return FileService::threadsRunning() == 0; }, 5000));
    QTest::qWait(20);  // the late answers' queued calls
    EXPECT_TRUE(gotFirst.empty());
    EXPECT_EQ(gotSecond, std::vector<int>{3});
}

TEST_F(FileServiceTest, AJobOfAKeyStillRunningIsNotStartedAgain) {
    QObject requester;
    std::vector<int> got;
    for (int i = 0; i < 3; ++i) {
        service.run(&requester, QStringLiteral("list /dead"), fs.call(i), recordInto(got));
    }
    QTest::qWait(50);
    EXPECT_EQ(*fs.calls, 1);
    EXPECT_EQ(FileService::threadsRunning(), 1);
    fs.release(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !got.empty(); }, 2000));
    EXPECT_EQ(got, std::vector<int>{0});  // the one job's answer, to the newest request
    // Once ended, the key is read again.
    service.run(&requester, QStringLiteral("list /dead"), fs.call(5), recordInto(got));
    fs.release(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return got.size() == 2; }, 2000));
    EXPECT_EQ(*fs.calls, 2);
}

}  // namespace
}  // namespace tallimer
