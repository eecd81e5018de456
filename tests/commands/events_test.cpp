// The event family's type identity and tested downcasts.
#include <gtest/gtest.h>
#include <uiutil/commands.h>

#include <memory>

TEST(EventTest, KindsAndDowncasts) {
    const uiEvent plain;
    const uiSystemEvent system(uiSaveString("UI_EVENT_MENUBAR_MADE"));
    const uiEvent* seen = &system;

    EXPECT_EQ(uiEvent::ut_dynamic_cast(seen), seen);
    EXPECT_EQ(uiSystemEvent::ut_dynamic_cast(seen), &system);
    EXPECT_EQ(uiSystemEvent::ut_dynamic_cast(&plain), nullptr);
    EXPECT_EQ(uiEvent::ut_dynamic_cast(&plain), &plain);
    EXPECT_EQ(uiEvent::ut_dynamic_cast(nullptr), nullptr);
    EXPECT_EQ(uiSystemEvent::ut_dynamic_cast(nullptr), nullptr);

    EXPECT_EQ(seen->ut_is_kind_of(uiEvent::ut_static_type()), 1);
    EXPECT_EQ(seen->ut_is_kind_of(uiSystemEvent::ut_static_type()), 1);
    EXPECT_TRUE(plain.ut_is_kind_of(uiEvent::ut_static_type()));
    EXPECT_FALSE(plain.ut_is_kind_of(uiSystemEvent::ut_static_type()));
    EXPECT_FALSE(seen->ut_is_kind_of(uiUserData::ut_static_type()));
    EXPECT_FALSE(plain.ut_is_kind_of(uiUserData::ut_static_type()));

    EXPECT_TRUE(seen->ut_dynamic_type().is_same_type(uiSystemEvent::ut_static_type()));
    EXPECT_STREQ(seen->ut_dynamic_type().name(), "uiSystemEvent");
    EXPECT_STREQ(plain.ut_dynamic_type().name(), "uiEvent");
}

TEST(EventTest, SystemEventKeepsItsName) {
    const uiSaveString name("UI_EVENT_UNDEFINED");
    {
        std::unique_ptr<uiEvent> event(new uiSystemEvent(name));
        EXPECT_EQ(static_cast<const char*>(static_cast<uiSystemEvent*>(event.get())->name()),
                  static_cast<const char*>(name));
    }
    EXPECT_STREQ(name, "UI_EVENT_UNDEFINED");
    std::unique_ptr<uiInfo> info(new uiInfo);
}
