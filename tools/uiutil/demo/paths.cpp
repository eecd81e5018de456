// Demo: search path lists and path separators.
#include "common/path_errors.h"
#include "common/scratch_folder.h"
#include "subcommands.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <uiutil/uiutil.h>

namespace {

// A search result, shown relative to the sample folder, then released.
std::string shown(char* found, const std::string& base) {
    std::unique_ptr<char[]> owned(found);
    if (!owned)
        return "(not found)";
    std::string text = owned.get();
    return text.compare(0, base.size(), base) == 0 ? "<sample>" + text.substr(base.size()) : text;
}

void demo_paths() {
    namespace fs = std::filesystem;
    const tool::ScratchFolder scratch("uiutil-demo-paths");
    const fs::path& sample = scratch.path();
    fs::create_directories(sample / "app" / "sounds");
    fs::create_directories(sample / "user" / "sounds");
    std::ofstream(sample / "app" / "sounds" / "ding.wav") << "app";
    std::ofstream(sample / "user" / "sounds" / "ding.wav") << "user";
    std::ofstream(sample / "user" / "sounds" / "ding") << "bare";
    const std::string base = sample.generic_string();
    const std::string app = base + "/app/sounds", user = base + "/user/sounds";

    uiPathList list((app + ";;" + user + ";").c_str());
    std::cout << "a list from \"<sample>/app/sounds;;<sample>/user/sounds;\" (empty pieces "
                 "skipped):\n";
    std::ostringstream printed;
    printed << list;
    std::string lines = printed.str();
    for (std::size_t at; (at = lines.find(base)) != std::string::npos;)
        lines.replace(at, base.size(), "<sample>");
    std::cout << lines;
    std::printf("adding the first directory again: %s\n",
                tool::path_error_name(list.add(app.c_str())));
    std::printf("removing \"nowhere\": %s\n", tool::path_error_name(list.remove("nowhere")));

    std::printf("search(\"ding.wav\"):          %s\n",
                shown(list.search("ding.wav"), base).c_str());
    std::printf("search_reverse(\"ding.wav\"):  %s\n",
                shown(list.search_reverse("ding.wav"), base).c_str());
    std::printf("search(\"ding\", \".wav\"):      %s\n",
                shown(list.search("ding", ".wav"), base).c_str());
    std::printf("search(\"ding\", \".ogg\"):      %s (the bare name after the extension)\n",
                shown(list.search("ding", ".ogg"), base).c_str());
    std::printf("search(\"sounds\"):            %s (directories are never found)\n",
                shown(list.search("sounds"), base).c_str());

    std::printf("check_access of a file: %s; of its folder with a trailing slash: %s; of a "
                "missing name: %s\n",
                tool::path_error_name(uiPathList::check_access((app + "/ding.wav").c_str())),
                tool::path_error_name(uiPathList::check_access((app + "/").c_str())),
                tool::path_error_name(uiPathList::check_access((app + "/none.wav").c_str())));
    for (const char* path : {"C:\\Windows", "c:/temp", "/usr/share", "~/sounds", "sounds", "C:x"})
        std::printf("absolute_path(\"%s\") = %d\n", tool::visible(path).c_str(),
                    uiPathList::absolute_path(path));
    char mixed[] = "C:/Program Files\\App/sounds/";
    std::printf("path_verify(\"C:/Program Files\\\\App/sounds/\") = \"%s\"\n",
                tool::visible(uiPorting::path_verify(mixed)).c_str());
}

tool::RegisterDemoSection section({70, "Search path lists", demo_paths});

} // namespace
