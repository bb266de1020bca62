// The structure tree in memory: keys and sections, lookups, paths, references and the
// inherited mark.
#include <gtest/gtest.h>

#include "structure/structure.h"
#include "tree_text.h"

namespace {
std::unique_ptr<Structure> tree(const std::string& text) {
  auto root = std::make_unique<Structure>();
  EXPECT_TRUE(readText(*root, text)) << text;
  return root;
}
}  // namespace

TEST(StructureTree, KeysAndSectionsExcludeEachOther) {
  Structure root;
  Structure* key = root.addChild("key", "value");
  key->addChild("inner");
  EXPECT_FALSE(key->hasValue());  // adding a child turned the key into a section

  Structure* section = root.addChild("section");
  section->addChild("a", "1");
  section->setValue("now a key");
  EXPECT_EQ(section->childCount(), 0u);

  Structure* both = root.addChild("both");
  both->addChild("child", "x");
  EXPECT_STREQ(root.valueOr("both", "default")->value(), "default");
  EXPECT_EQ(both->childCount(), 0u);
  EXPECT_STREQ(root.valueOr("both", "other")->value(), "default");  // a value is kept
  EXPECT_EQ(dumpChildren(root), "key{inner{}}section=now a key;both=default;");

  section->setReference("ignored");  // keys take no reference
  EXPECT_EQ(section->reference(), nullptr);
}

TEST(StructureTree, LookupsAreExactAndTakeTheFirstDuplicate) {
  std::unique_ptr<Structure> root = std::make_unique<Structure>();
  ASSERT_TRUE(readText(*root, "Program=1; program=2; Program=3; [Program] x=4; [/Program]", 0));
  EXPECT_EQ(root->childCount(), 4u);  // without the merge bit nothing is reused
  EXPECT_STREQ(root->findChild("Program")->value(), "1");
  EXPECT_STREQ(root->findChild("program")->value(), "2");
  EXPECT_EQ(root->indexOfChild("Program", 1), 2);
  EXPECT_EQ(root->findChild("PROGRAM"), nullptr);
  EXPECT_STREQ(root->valueOr("Program", "d")->value(), "1");
  root->setChildValue("Program", "5");
  EXPECT_EQ(dumpChildren(*root), "Program=5;program=2;Program=3;Program{x=4;}");
  EXPECT_TRUE(root->valueOr("t", "tRuE")->isTrue());
  EXPECT_FALSE(root->valueOr("y", "yes")->isTrue());

  // Long child lists are looked up through an index: it must follow every change.
  Structure many;
  for (int i = 0; i < 40; ++i) many.addChild(("k" + std::to_string(i)).c_str(), "v");
  EXPECT_EQ(many.indexOfChild("k39"), 39);
  many.addChild("k39", "duplicate", 0);
  EXPECT_EQ(many.indexOfChild("k39"), 0);
  many.childAt(0)->setName("renamed");
  EXPECT_EQ(many.indexOfChild("k39"), 40);
  EXPECT_EQ(many.indexOfChild("renamed"), 0);
  many.addChild("k39", "appended");
  EXPECT_EQ(many.indexOfChild("k39"), 40);
  Structure other;
  ASSERT_TRUE(other.attachChild(many.childAt(0)));
  EXPECT_EQ(many.indexOfChild("renamed"), -1);
  EXPECT_EQ(many.indexOfChild("k0"), 0);
}

TEST(StructureTree, PathsFromTheNodeOrTheRoot) {
  std::unique_ptr<Structure> root = tree("[a][b]k=1;[/b][/a][b]k=2;[/b]");
  Structure* deep = root->findPath("a.b");
  ASSERT_NE(deep, nullptr);
  EXPECT_EQ(deep->findPath("."), root.get());
  EXPECT_STREQ(deep->findPath(".b.k")->value(), "2");
  EXPECT_STREQ(deep->findPath("k")->value(), "1");
  EXPECT_EQ(root->findPath(""), root.get());
  EXPECT_EQ(root->findPath("a.x"), nullptr);
  EXPECT_EQ(root->findPath("a..b"), nullptr);
  EXPECT_EQ(root->findPath("a.b.k.z"), nullptr);
}

TEST(StructureTree, ReferencesCopyOnlyWhatIsMissingAndMarkIt) {
  std::unique_ptr<Structure> root = tree(
      "[base] a=1; b=2; [sub] x=1; y=2; [/sub] [deep][d]q=1;[/d][/deep] [/base]"
      "[own@base] b=own; [sub] y=own; [/sub] deep=key; [/own]");
  EXPECT_EQ(dumpTree(*root->findChild("own")),
            "own@base{b=own;sub{y=own;*x=1;}deep=key;*a=1;}");
  EXPECT_FALSE(root->findChild("own")->inherited());

  // Resolved again (the section reopened), inherited sub-sections stay inherited.
  std::unique_ptr<Structure> twice = tree("[base][sub]x=1;[/sub][/base][own@base][/own][own][/own]");
  EXPECT_EQ(dumpTree(*twice->findChild("own")), "own@base{*sub{*x=1;}}");
  EXPECT_EQ(writeText(*twice).substr(writeText(*twice).find("[own")), "[own@base]\n[/own]\n");

  // A reference to the section itself, an ancestor or a descendant merges nothing.
  for (const char* text : {"[s@s] a=1; [/s]", "[s] k=1; [t@.s] a=1; [/t] [/s]", "[s@s.t] [t] a=1; [/t] [/s]"}) {
    std::unique_ptr<Structure> looped = tree(text);
    EXPECT_EQ(dumpChildren(*looped).find('*'), std::string::npos) << text;
  }
}

TEST(StructureTree, ChangedInheritedNodesAreWrittenAgain) {
  std::unique_ptr<Structure> root = tree(
      "[base] a=1; [sub] x=1; y=2; [/sub] [/base] [own@base] [/own]");
  Structure* own = root->findChild("own");
  EXPECT_EQ(writeText(*own), "");  // own's header would come from its parent
  EXPECT_EQ(writeText(*root).substr(writeText(*root).find("[own")), "[own@base]\n[/own]\n");

  Structure* inheritedSub = own->findChild("sub");
  ASSERT_TRUE(inheritedSub->inherited());
  inheritedSub->findChild("x")->setValue("changed");
  EXPECT_FALSE(inheritedSub->inherited());
  EXPECT_TRUE(inheritedSub->findChild("y")->inherited());
  EXPECT_TRUE(own->findChild("a")->inherited());
  std::string written = writeText(*root);
  EXPECT_EQ(written.substr(written.find("[own")), "[own@base]\n\t[sub]\n\t\tx=changed;\n\t[/sub]\n[/own]\n");

  // Marking a section marks what is in it; clearing a node clears its marked ancestors.
  Structure section;
  Structure* child = section.addChild("c");
  Structure* grandchild = child->addChild("g", "1");
  section.setInherited(true);
  EXPECT_TRUE(grandchild->inherited());
  grandchild->setInherited(false);
  EXPECT_FALSE(child->inherited());
  EXPECT_FALSE(section.inherited());
}

TEST(StructureTree, CopiesAttachmentsAndPositions) {
  std::unique_ptr<Structure> root = tree("[a] k=1; [b@.a] [/b] [/a] [c] [/c]");
  Structure copy(*root->findChild("a"));
  EXPECT_EQ(dumpTree(copy), dumpTree(*root->findChild("a")));
  EXPECT_EQ(copy.parent(), nullptr);
  EXPECT_EQ(copy.type(), 0u);

  Structure* a = root->findChild("a");
  Structure* c = root->findChild("c");
  EXPECT_EQ(root->indexOf(a->findChild("k")), -1);  // a child of another node
  EXPECT_EQ(root->indexOf(nullptr), -1);
  EXPECT_EQ(root->indexOf(c, 2), -1);
  EXPECT_FALSE(a->attachChild(root.get()));  // an ancestor: the tree would become a loop
  EXPECT_FALSE(a->attachChild(a));
  EXPECT_FALSE(a->attachChild(a->findChild("k")));  // already here
  EXPECT_TRUE(c->attachChild(a->findChild("k"), 5));
  EXPECT_TRUE(root->attachChild(a->findChild("b"), 0));
  EXPECT_EQ(dumpChildren(*root), "b@.a{}a{}c{k=1;}");
  EXPECT_TRUE(root->contains(c->findChild("k")));
  EXPECT_FALSE(c->contains(c));

}
