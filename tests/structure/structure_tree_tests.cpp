// The structure tree in memory: keys and sections, lookups, references and the inherited
// mark.
#include <gtest/gtest.h>

#include "structure/structure.h"
#include "tree_text.h"

TEST(StructureTree, KeysAndSectionsExcludeEachOther) {
  Structure root;
  root.addChild("key", "value")->addChild("inner");  // a child turns the key into a section
  root.addChild("section")->addChild("a", "1");
  root.findChild("section")->setValue("now a key");
  root.addChild("both")->addChild("child", "x");
  EXPECT_STREQ(root.valueOr("both", "default")->value(), "default");
  EXPECT_STREQ(root.valueOr("both", "other")->value(), "default");  // a value is kept
  root.addChild("last", "v", 99);  // a position past the end appends
  EXPECT_EQ(dumpChildren(root), "key{inner{}}section=now a key;both=default;last=v;");
  EXPECT_FALSE(Structure().load() || Structure().save());  // without a file
}

TEST(StructureTree, LookupsAreExactAndTheNameIndexFollowsEveryChange) {
  std::unique_ptr<Structure> root = tree("Program=1; program=2; Program=3; [Program] x=4; [/Program]", 0);
  EXPECT_EQ(root->childCount(), 4u);  // without the merge bit nothing is reused
  EXPECT_EQ(root->indexOfChild("Program", 1), 2);
  EXPECT_EQ(root->findChild("PROGRAM"), nullptr);
  EXPECT_EQ(root->indexOfChild("PROGRAM"), -1);
  EXPECT_EQ(root->indexOf(root->childAt(0), 1), -1);  // before the start
  root->setChildValue("Program", "5");
  EXPECT_EQ(dumpChildren(*root), "Program=5;program=2;Program=3;Program{x=4;}");

  // Long child lists are looked up through an index.
  Structure many;
  for (int i = 0; i < 40; ++i) many.addChild(("k" + std::to_string(i)).c_str(), "v");
  many.addChild("k39", "duplicate", 0);
  EXPECT_EQ(many.indexOfChild("k39"), 0);
  EXPECT_EQ(many.indexOfChild("k39", 1), 40);  // from a later start the list is scanned
  many.childAt(0)->setName("renamed");
  EXPECT_EQ(many.indexOfChild("k39"), 40);
  Structure other;
  ASSERT_TRUE(other.attachChild(many.childAt(0)));
  EXPECT_EQ(many.indexOfChild("renamed"), -1);
  EXPECT_EQ(many.indexOf(other.childAt(0)), -1);  // another parent's child
  EXPECT_TRUE(many.indexOf(nullptr) == -1 && !other.attachChild(other.childAt(0)));  // already there
  EXPECT_EQ(many.indexOfChild("k0"), 0);
  many.addChild("late", "v");  // appended while the index is in use
  EXPECT_EQ(many.indexOfChild("late"), static_cast<int32_t>(many.childCount()) - 1);
  EXPECT_FALSE(many.childAt(0)->attachChild(&many));  // an ancestor: the tree would loop
}

TEST(StructureTree, NumbersSkipLeadingWhiteSpaceAndStopAtTheEnds) {
  const std::pair<const char*, int32_t> rows[] = {
      {" \t\n\v\f\r-12x", -12}, {"\b5", 0}, {"+2147483647", INT32_MAX}, {"2147483648", INT32_MAX},
      {"-2147483648", INT32_MIN}, {"-99999999999", INT32_MIN}, {nullptr, 0}};
  for (const auto& [text, number] : rows) EXPECT_EQ(decimalValue(text), number) << (text ? text : "null");
}

TEST(StructureTree, ReferencesCopyOnlyWhatIsMissingMarkItAndWriteItOnceChanged) {
  std::unique_ptr<Structure> root = tree(
      "[base] a=1; b=2; [sub] x=1; y=2; [/sub] [deep][d]q=1;[/d][/deep] [/base]"
      "[own@base] b=own; [sub] y=own; [/sub] deep=key; [/own]");
  EXPECT_EQ(dumpTree(*root->findChild("own")), "own@base{b=own;sub{y=own;*x=1;}deep=key;*a=1;}");

  // Resolved again (the section reopened), inherited sub-sections stay inherited, also when
  // they receive what the base gained since.
  auto twice = tree("[base][sub]x=1;[/sub][/base][own@base][/own][base][sub]y=2;[/sub][/base][own][/own]");
  Structure* own = twice->findChild("own");
  EXPECT_EQ(dumpTree(*own), "own@base{*sub{*x=1;*y=2;}}");
  std::string written = writeText(*twice);
  EXPECT_EQ(written.substr(written.find("[own")), "[own@base]\n[/own]\n");
  // Changed, an inherited node is written again, with only what holds it.
  EXPECT_EQ(writeText(*own), "");  // own's header would come from its parent
  own->findChild("sub")->findChild("x")->setValue("changed");
  EXPECT_TRUE(own->findChild("sub")->findChild("y")->inherited());
  written = writeText(*twice);
  EXPECT_EQ(written.substr(written.find("[own")), "[own@base]\n\t[sub]\n\t\tx=changed;\n\t[/sub]\n[/own]\n");

  // A reference to the section itself, an ancestor or a descendant merges nothing.
  for (const char* text : {"[s@s] a=1; [/s]", "[s] k=1; [t@.s] a=1; [/t] [/s]", "[s@s.t] [t] a=1; [/t] [/s]"})
    EXPECT_EQ(dumpChildren(*tree(text)).find('*'), std::string::npos) << text;
}
