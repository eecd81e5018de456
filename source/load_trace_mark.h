// A marker object placed after each group of load-time objects: it records
// when the group has been built and when it has been destroyed.
#pragma once

namespace uiutil_internal {

class LoadTraceMark {
public:
    explicit LoadTraceMark(const char* name);
    ~LoadTraceMark();
    LoadTraceMark(const LoadTraceMark&) = delete;
    LoadTraceMark& operator=(const LoadTraceMark&) = delete;

private:
    const char* m_name;
};

} // namespace uiutil_internal
