#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui_fixture.h"

namespace qv::gui::testing {
namespace {

class SubclassTest : public GuiTest {
protected:
    void SetUp() override {
        h_ = top(0, 0, 10, 10);
        ws_.setWindowProc(h_, [this](HWnd, MessageId m, WParam, LParam) -> LResult {
            if (m == WM_USER) log_.push_back("proc");
            return 100;
        });
    }
    // A link that logs its name, lets `during` act, and passes the message on.
    SubclassProc link(const std::string& name, std::function<void()> during = {}) {
        return [this, name, during](HWnd h, MessageId m, WParam w, LParam l, std::uintptr_t,
                                    std::intptr_t ref) -> LResult {
            if (m != WM_USER) return ws_.defSubclassProc(h, m, w, l);
            log_.push_back(name + ":" + std::to_string(ref));
            if (during) during();
            return ws_.defSubclassProc(h, m, w, l) + 1;
        };
    }
    HWnd h_ = 0;
    std::vector<std::string> log_;
};

// The link installed last sees the message first; each adds one to the result on the way
// back up.
TEST_F(SubclassTest, ChainRunsLastInstalledFirstDownToTheProcedure) {
    ws_.setWindowSubclass(h_, 1, link("a"), 11);
    ws_.setWindowSubclass(h_, 2, link("b"), 22);
    ws_.setWindowSubclass(h_, 3, link("c"), 33);
    EXPECT_EQ(ws_.sendMessage(h_, WM_USER), 103);
    EXPECT_EQ(log_, (std::vector<std::string>{"c:33", "b:22", "a:11", "proc"}));
}

TEST_F(SubclassTest, LinkRemovedFromInsideAHandlerIsPassedByAndReleasedAfterwards) {
    auto token = std::make_shared<int>(1);
    std::weak_ptr<int> watch = token;
    ws_.setWindowSubclass(h_, 1, [this, token](HWnd h, MessageId m, WParam w, LParam l,
                                                std::uintptr_t, std::intptr_t) -> LResult {
        if (m == WM_USER) log_.push_back("a");
        return ws_.defSubclassProc(h, m, w, l);
    });
    token.reset();
    // b removes itself and a, the link below it, while the message is on its way.
    ws_.setWindowSubclass(h_, 2, link("b", [this] {
                              ws_.removeWindowSubclass(h_, 2);
                              ws_.removeWindowSubclass(h_, 1);
                          }));
    ws_.setWindowSubclass(h_, 3, link("c"));
    EXPECT_EQ(ws_.sendMessage(h_, WM_USER), 102);
    EXPECT_EQ(log_, (std::vector<std::string>{"c:0", "b:0", "proc"}));
    EXPECT_TRUE(watch.expired());
    log_.clear();
    EXPECT_EQ(ws_.sendMessage(h_, WM_USER), 101);
    EXPECT_EQ(log_, (std::vector<std::string>{"c:0", "proc"}));
    EXPECT_FALSE(ws_.removeWindowSubclass(h_, 2));
}

// A link added while a message runs sees the next message, not the running one; a nested
// message sent from inside a link runs through the whole chain of that moment.
TEST_F(SubclassTest, LinksAddedDuringAMessageAndNestedMessages) {
    bool nested = false;
    ws_.setWindowSubclass(h_, 1, link("a", [&] {
                              if (nested) return;
                              nested = true;
                              ws_.setWindowSubclass(h_, 2, link("new"));
                              ws_.sendMessage(h_, WM_USER);
                          }));
    ws_.sendMessage(h_, WM_USER);
    EXPECT_EQ(log_, (std::vector<std::string>{"a:0", "new:0", "a:0", "proc", "proc"}));
}

TEST_F(SubclassTest, ReplacedProcedureChainsToThePreviousOne) {
    WndProc previous = ws_.setWindowProc(h_, {});
    ws_.setWindowProc(h_, [&](HWnd h, MessageId m, WParam w, LParam l) -> LResult {
        if (m == WM_USER) log_.push_back("tray");
        return WindowSystem::callWindowProc(previous, h, m, w, l) * 2;
    });
    EXPECT_EQ(ws_.sendMessage(h_, WM_USER), 200);
    EXPECT_EQ(log_, (std::vector<std::string>{"tray", "proc"}));
    // Putting the saved procedure back undoes the replacement.
    ws_.setWindowProc(h_, previous);
    EXPECT_EQ(ws_.sendMessage(h_, WM_USER), 100);
}

TEST_F(SubclassTest, SameIdReplacesTheLinkAndKeepsItsPlace) {
    ws_.setWindowSubclass(h_, 1, link("a"));
    ws_.setWindowSubclass(h_, 2, link("b"));
    ws_.setWindowSubclass(h_, 1, link("a2"), 5);
    ws_.sendMessage(h_, WM_USER);
    EXPECT_EQ(log_, (std::vector<std::string>{"b:0", "a2:5", "proc"}));
    EXPECT_EQ(ws_.subclassRefData(h_, 1), 5);
    EXPECT_EQ(ws_.subclassRefData(h_, 9), std::nullopt);
    EXPECT_FALSE(ws_.setWindowSubclass(0x7FFF, 1, link("x")));
}

}  // namespace
}  // namespace qv::gui::testing
