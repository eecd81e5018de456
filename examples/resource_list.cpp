// A widget's resources in an owning list, and an event's type identity.
#include <iostream>
#include <uiutil/uiutil.h>

int main() {
    uiResourceList resources;
    resources.add_uiResource("Open...", uiLABELSTRING);
    resources.add_uiResource("Open...", uiLABELSTRING); // equal to the first: skipped
    resources.add_uiResource("open_file", uiCOMMAND);
    resources.add_uiResource(uiUPDATE_COPIED);

    // An iterator starts on the undefined position; ++ enters the list.
    uiResourceListIter it = resources.get_iter();
    while (++it) {
        const uiResource& r = it();
        if (r.is_resource())
            std::cout << ui_decode(r.type()) << " = " << r.value() << "\n";
        else
            std::cout << "update " << r.reset_option() << "\n";
    }

    // Events carry a type record; ut_dynamic_cast is a tested downcast.
    uiSystemEvent made("UI_EVENT_MENUBAR_MADE");
    uiEvent* event = &made;
    uiSystemEvent* system = uiSystemEvent::ut_dynamic_cast(event);
    uiEvent plain;
    bool refused = uiSystemEvent::ut_dynamic_cast(&plain) == nullptr;

    return resources.size() == 3 && system && system->name() == "UI_EVENT_MENUBAR_MADE" && refused
               ? 0
               : 1;
}
