// The internal program layer: decoding, successors and the dump agree with
// the compiled programs' documented encodings.
#include "needed_byte.h"
#include "pattern_probe.h"
#include "program_view.h"

#include <algorithm>

using namespace uiutil_internal;

namespace {

std::vector<Instruction> instructions(const uiPattern& p) {
    std::vector<Instruction> out;
    for (Instruction in : ProgramView(p.buffer().code, p.buffer().length)) {
        out.push_back(in);
    }
    return out;
}

TEST(ProgramLayer, DecodesOperandsAndTargets) {
    // x+ : dummy_jump(to x) push_alternative(to the end) x loop_jump(to the push)
    uiPattern plus{uiSaveString("x+")};
    std::vector<Instruction> in = instructions(plus);
    ASSERT_EQ(in.size(), 4u);
    EXPECT_EQ(in[0].opcode, op_dummy_jump);
    EXPECT_EQ(in[0].target, 6);
    EXPECT_EQ(in[1].target, 12);
    EXPECT_EQ(in[2].count, 1);
    EXPECT_EQ(in[2].bytes[0], 'x');
    EXPECT_EQ(in[3].displacement, -9);
    EXPECT_EQ(in[3].target, 3);

    uiPattern set{uiSaveString("[a-c]\\(\\1\\)")};
    in = instructions(set);
    ASSERT_GE(in.size(), 3u);
    EXPECT_EQ(in[0].size, 15);
    EXPECT_TRUE(in[0].set_has('b'));
    EXPECT_FALSE(in[0].set_has('d'));
    EXPECT_FALSE(in[0].set_has(255));
    EXPECT_EQ(in[1].group, 1);
    EXPECT_EQ(in[1].info().role, OpcodeRole::group_mark);
}

TEST(ProgramLayer, SuccessorsIncludeResumeTargetsAndLoopExits) {
    uiPattern star{uiSaveString("a*b")};
    std::vector<Instruction> in = instructions(star);
    Successors push = successors(in[0]);
    ASSERT_EQ(push.count, 2);
    EXPECT_EQ(push.offsets[0], 3);
    EXPECT_EQ(push.offsets[1], 9);
    Successors back = successors(in[2]);
    ASSERT_EQ(back.count, 2); // the loop, and the exit after an empty pass
    EXPECT_EQ(back.offsets[0], 0);
    EXPECT_EQ(back.offsets[1], 9);
    EXPECT_EQ(successors(in[1]).offsets[0], 6);
}

TEST(ProgramLayer, BytesEveryWayToTheEndNeeds) {
    // At the first way of the alternative each program begins with (offset
    // 3), or at the program's start (offset 0).
    struct Case {
        const char* text;
        int offset;
        int needed;
    };
    const Case cases[] = {{"\\(a*\\)*b\\|a", 3, 'b'}, // the loops may take nothing
                          {"xy\\|z", 3, 'x'},         // the lowest of those needed
                          {"\\(ab\\)*c\\|d", 3, 'c'},
                          {"\\(a\\|b\\)c\\|d", 3, 'c'}, // neither a nor b on every way
                          {"a\\|b", 0, -1},             // each way needs another byte
                          {"[bc]\\|b", 3, -1},          // a set needs no one byte
                          {"\\(b\\)\\1\\|a", 3, 'b'},   // nor does a back-reference
                          {"\\(x+\\)*\\|y", 3, -1}};    // the empty way
    for (const Case& c : cases) {
        uiPattern p{uiSaveString(c.text)};
        const auto* code = reinterpret_cast<const unsigned char*>(p.buffer().code);
        EXPECT_EQ(needed_byte(code, p.buffer().length, c.offset), c.needed) << c.text;
    }
    // Loops nested as deep as groups go.
    std::string nested;
    for (int i = 0; i < 9; ++i) {
        nested = "\\(" + nested + "a*\\)*";
    }
    uiPattern deep{uiSaveString((nested + "b\\|a").c_str())};
    ASSERT_GT(deep.buffer().length, 0);
    EXPECT_EQ(needed_byte(reinterpret_cast<const unsigned char*>(deep.buffer().code),
                          deep.buffer().length, 3),
              'b');
    uiPattern p{uiSaveString("ab")};
    const auto* code = reinterpret_cast<const unsigned char*>(p.buffer().code);
    EXPECT_EQ(needed_byte(code, p.buffer().length, 1), -1);     // inside an instruction
    EXPECT_EQ(needed_byte(code, p.buffer().length - 1, 0), -1); // cut short
}

TEST(ProgramLayer, NamesRolesAndDump) {
    EXPECT_STREQ(opcode_name(op_push_alternative), "push_alternative");
    EXPECT_STREQ(opcode_name(16), "(16)");
    EXPECT_STREQ(opcode_name(200), "(unknown)");
    EXPECT_EQ(opcode_info(op_word_bound).role, OpcodeRole::zero_width);
    EXPECT_EQ(opcode_info(op_backref).role, OpcodeRole::consumes);

    uiPattern p{uiSaveString("a*[x-z]")};
    EXPECT_EQ(dump_program(ProgramView(p.buffer().code, p.buffer().length)),
              "    0  push_alternative  +6 -> 9\n"
              "    3  exact             1 \"a\"\n"
              "    6  loop_jump         -9 -> 0\n"
              "    9  char_set          16 [x-z]\n"
              "   27  end\n");
    EXPECT_EQ(p.match(uiSaveString("aay")), 1);
    EXPECT_EQ(unrewritten_loop_jumps(ProgramView(p.buffer().code, p.buffer().length)), 0);
}

} // namespace
