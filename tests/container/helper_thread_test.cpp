// The helper thread of the file passes: jobs run on another thread, in the
// order posted, their answers come back through Wait, and the thread ends
// with the object only after the job it was running.

#include "container/HelperThread.h"

#include <future>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

TEST(HelperThreadTest, RunsTheJobOnAnotherThread) {
    std::thread::id ran;
    HelperThread helper;
    helper.Post([&ran] {
        ran = std::this_thread::get_id();
        return true;
    });
    EXPECT_TRUE(helper.Wait());
    EXPECT_NE(ran, std::this_thread::get_id());
}

TEST(HelperThreadTest, WaitAnswersForTheJobsSinceTheLastWait) {
    HelperThread helper;
    EXPECT_TRUE(helper.Wait());
    std::vector<int> order;
    helper.Post([&order] {
        order.push_back(1);
        return false;
    });
    helper.Post([&order] {
        order.push_back(2);
        return true;
    });
    EXPECT_FALSE(helper.Wait());
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_TRUE(helper.Wait());
}

TEST(HelperThreadTest, AThrowingJobHasFailed) {
    HelperThread helper;
    helper.Post([]() -> bool { throw std::runtime_error("job"); });
    EXPECT_FALSE(helper.Wait());
}

TEST(HelperThreadTest, EndsOnlyAfterTheRunningJob) {
    std::promise<void> started;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    bool finished = false;
    {
        HelperThread helper;
        helper.Post([&started, released, &finished] {
            started.set_value();
            released.wait();
            finished = true;
            return true;
        });
        started.get_future().wait();
        release.set_value();
    }
    EXPECT_TRUE(finished);
}

} // namespace
