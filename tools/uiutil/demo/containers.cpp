// Demo: the doubly linked lists, the resource list and the integer array.
#include "subcommands.h"

#include <cstdio>
#include <uiutil/uiutil.h>

namespace {

void print_list(const char* label, const uiSaveStringcoDListPtrcoPtrcoDList& list) {
    std::printf("%s:", label);
    uiSaveStringcoDListPtrcoPtrcoDListcoIterator it(&list);
    while (++it)
        std::printf(" [%d]%s", it.index(), static_cast<const char*>(*it()));
    std::printf("  (size %d)\n", list.size());
}

void demo_lists() {
    uiSaveString file("File"), edit("Edit"), view("View"), help("Help");
    uiSaveStringcoDListPtrcoPtrcoDList menus;
    menus.insert_last(&file);
    menus.insert_last(&view);
    menus.insert_last(&help);
    print_list("menus", menus);

    menus.set_index(0);
    menus.insert_after(&edit);
    print_list("insert_after element 0", menus);
    std::printf("cursor stays on \"%s\", index %d\n", static_cast<const char*>(*menus.read()),
                menus.index());
    menus.insert_first(&help);
    std::printf("after insert_first the cursor's index is %d\n", menus.index());
    menus.remove_first();
    menus.set_index(3);
    menus.remove();
    print_list("removed the last element", menus);
    std::printf("the cursor is undefined: %d, index %d\n", menus.undefined(), menus.index());
    int on_element = menus.forwards();
    std::printf("stepping from the undefined position: forwards() gives %d (index %d)\n\n",
                on_element, menus.index());

    uiResourceList resources;
    resources.add_uiResource(uiSaveString("Open..."), uiLABELSTRING);
    resources.add_uiResource(uiSaveString("open_file"), uiCOMMAND);
    resources.add_uiResource(uiSaveString("Open..."), uiLABELSTRING); // equals the first: skipped
    resources.add_uiResource(uiUpdate(1802));
    std::printf("resource list (the repeat of the first was skipped), size %d:\n",
                resources.size());
    uiResourceListIter it = resources.get_iter();
    while (++it) {
        const uiResource& r = it();
        if (r.is_resource())
            std::printf("  %s = \"%s\"\n", ui_decode(r.type()),
                        static_cast<const char*>(r.value()));
        else
            std::printf("  update resource, code %d\n", r.reset_option());
    }

    uiIntArray numbers(0);
    for (int i = 1; i <= 6; ++i) {
        numbers.append(i * i);
        std::printf("%s%d (capacity %d)", i == 1 ? "int array append: " : ", ", numbers[i - 1],
                    numbers.capacity());
    }
    std::printf("\nnumbers[6] is outside the count and reaches no element\n");
}

tool::RegisterDemoSection section({50, "Lists, resources and the integer array", demo_lists});

} // namespace
