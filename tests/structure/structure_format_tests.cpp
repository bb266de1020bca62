// The text format: what the reader makes of a text, what the writer makes of a tree, files,
// folders, includes and line ends, the limits that keep hostile files harmless, and the fuzz
// corpus replayed.
#include <gtest/gtest.h>

#include <cstring>

#include "fuzz/structure_check.h"
#include "memory_storage.h"
#include "scratch_folder.h"
#include "structure/read_budget.h"
#include "tree_text.h"

TEST(StructureFormat, ReaderTurnsTextsIntoTrees) {
  // The text, the tree read from it, and whether the read succeeds.
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"a = 'a b' ; b=\"x'y\"; c='x\"y'; ab'c d'e = ok;", "a=a b;b=x'y;c=x\"y;abc de=ok;", true},
      {"[ Program ] a=1; [/Program] [Program] b=2; [/ Program ]", "Program{a=1;b=2;}", true},
      {"[P][Program] a=1; [/Other] b=2; [/P] c=3;", "P{Program{a=1;}b=2;}c=3;", true}, {"a=1; [/] b=2;", "a=1;", false},
      {"[Program] a=1; [/Other] b=2; [/Program] c=3;", "Program{a=1;}b=2;", false}, {"v = [x]@/y ;", "v=[x]@/y;", true},
      {"k='line\nnext # not a comment';", "k=line\nnext # not a comment;", true}, {"[a@b@c] k=1; [/a]", "a{}", false},
      {"# comment\n a # inside # = # here too\n 1 ; # end", "a=1;", true}, {"[s] k=\"\"; e=; [/s]", "s{k=;e=;}", true},
      {"k=1; [k] [/k] i=2; [i=f] r=3; [r@k] [/r]", "k{}i=f{}r@k{}", true}, {"[a] x=1; [/] y=2;", "a{x=1;}y=2;", true},
      {"k=1; k=2; [s]a=1;[/s][s]b=2;[/s]", "k=2;s{a=1;b=2;}", true}, {"[\"/x\"] k=1; [/\"/x\"]", "/x{k=1;}", true},
      {"[open] k=v; [inner] x=1;", "open{k=v;inner{x=1;}}", true}, {"k=v; tail=", "k=v;tail{}", true},
      {"k='a\\'b\\\\c\\x'; l=a\\b;", "k=a'b\\cx;l=a\\b;", true}, {"[a@b=c=d] [/a]", "a@b{}", false},
      {"[a=] [/a] b=1;", "a{}", false}, {"word; ;; k=v;", "k=v;", true}, {"a = a b ;", "a=ab;", true},
      {"[a@] [/a]", "a@.{}", true}, {"a=b=c;", "a{}b=c;", true}, {"k=v; tail", "k=v;", true}, {"[]", "{}", true},
      {"=v; [] =w; [/]", "{=w;}", true}, {"[i=f] [r@k] [/r] i=1; r=2;", "i=1;r=2;", true},  // [] reuses the key
      {"[b]k=1;[/b][a@b][/]", "b{k=1;}a@b{*k=1;}", true}};  // a bare closing tag resolves too
  MemoryStorage storage;  // includes find no files
  for (const auto& [text, tree, result] : cases) {
    Structure root;
    EXPECT_EQ(readText(root, text), result) << text;
    EXPECT_EQ(dumpChildren(root), tree) << text;
    // Byte by byte it reads the same, and what is written reads back the same.
    EXPECT_EQ(checkStructureText(reinterpret_cast<const uint8_t*>(text), strlen(text)), "") << text;
  }
}

TEST(StructureFormat, IncludeLeavesItsSectionOpenAndReadsTheFile) {
  MemoryStorage storage;
  storage.files["./part.conf"] = "inner=1;[deep]x=2;[/deep][deep]y=3;[/deep]";
  storage.files["./sub/nested.conf"] = "[n=more.conf]";
  storage.files["./sub/more.conf"] = "m=3;";
  Structure root;
  EXPECT_TRUE(readText(root, "[s] [inc=part.conf] after=1; [/s] [t=sub\\nested.conf] [r@.s.inc=part.conf] own=1; [/r]"));
  EXPECT_EQ(dumpChildren(root),
            "s{inc=part.conf{inner=1;deep{x=2;y=3;}}after=1;}t=sub\\nested.conf{n=more.conf{m=3;}}"
            "r@.s.inc=part.conf{own=1;}");

  // A reference into another file takes the path from that file's root.
  Structure fromFile;
  EXPECT_TRUE(readText(fromFile, "[r@.deep=part.conf] own=1; [/r]"));
  EXPECT_EQ(dumpChildren(fromFile), "r@.deep=part.conf{own=1;*x=2;*y=3;}");  // read merged

  // Saving writes each include into its own file and only its header into the outer one.
  storage.files.clear();
  root.findPath("s.inc")->findChild("inner")->setValue("changed");
  root.setFile("main.conf");
  EXPECT_TRUE(root.save());
  EXPECT_EQ(storage.files["./main.conf"],
            "[s]\r\n\t[inc=part.conf]\r\n\tafter=1;\r\n[/s]\r\n[t=\"sub\\\\nested.conf\"]\r\n"
            "[r@.s.inc=part.conf]\r\n\town=1;\r\n[/r]\r\n");
  EXPECT_EQ(storage.files["./part.conf"], "inner=changed;\r\n[deep]\r\n\tx=2;\r\n\ty=3;\r\n[/deep]\r\n");
  EXPECT_EQ(storage.files["./sub/nested.conf"], "[n=more.conf]\r\n");
  EXPECT_EQ(storage.files["./sub/more.conf"], "m=3;\r\n");
}

TEST(StructureFormat, AFileLiesInTheFolderOfTheFileHoldingItsNode) {
  // The file of the root, the text read into it, where the file of its first child is.
  const char* const rows[][3] = {
      {"sub\\a.conf", "[i=b.conf]", "sub\\b.conf"}, {"sub/a.conf", "[i=b.conf]", "sub/b.conf"},
      {"a.conf", "[i=b.conf]", "b.conf"},          {"C:\\x\\a.conf", "[i=\"\\\\c.conf\"]", "\\c.conf"},
      {"C:\\x\\a.conf", "[i=\"D:\\\\b.conf\"]", "D:\\b.conf"},
      {"x\\r.conf", "[s@.a=y\\f.conf] [i=c.conf] [/s]", "x\\c.conf"}};  // s's file only lends its reference
  MemoryStorage storage;  // no file is found
  for (const auto& [rootFile, text, expected] : rows) {
    auto root = tree(text);
    root->setFile(rootFile);
    const Structure* first = root->childAt(0);
    EXPECT_EQ((first->childCount() ? first->childAt(0) : first)->filePath(), expected) << text;
  }
}

// fuzz/seeds/quoted.conf holds every structural character in names, references and values;
// the corpus replay writes and reads it back.
TEST(StructureFormat, WriterQuotesEveryStructuralCharacter) {
  Structure root;
  for (const char* value : {"C:\\Photos", "My Photos", "say \"hi\"", "", "a=b", "\r\xE8"}) root.addChild("k", value);
  EXPECT_EQ(writeText(root), "k=\"C:\\\\Photos\";\nk=\"My Photos\";\nk=\"say \\\"hi\\\"\";\nk=;\nk=\"a=b\";\nk=\r\xE8;\n");
}

TEST(StructureFormat, AWriteThatFailsAnywhereIsReported) {
  // An output that refuses only the write numbered `failAt` (counting from 0).
  struct FailingOutput : StructureOutput {
    explicit FailingOutput(int failAt) : failAt(failAt) {}
    bool put(const char*, size_t) override { return writes++ != failAt; }
    int failAt, writes = 0;
  };
  auto root = tree("[s@r=f] [t] k=v; [/t] [/s]");
  Structure* section = root->childAt(0);
  FailingOutput unfailing(-1), whole(-1);
  ASSERT_TRUE(section->write(&unfailing, 2, true) && root->write(&whole, 0, false));
  ASSERT_GT(unfailing.writes, 3);
  for (int failAt = 0; failAt < unfailing.writes; ++failAt) {
    FailingOutput output(failAt);
    EXPECT_FALSE(section->write(&output, 2, true)) << "write " << failAt;
  }
  // A section made from a reference has no file of its own: saving it writes nothing and says so.
  MemoryStorage storage;
  for (const char* text : {"[s@r] k=v; [/s]", "[s@r] [t][/t] [/s]"}) {
    EXPECT_FALSE(tree(text)->childAt(0)->save("s.conf")) << text;
    EXPECT_EQ(storage.files.count("./s.conf"), 0u) << text;
  }
  // Through a file too: a disk filling up half-way leaves the old file as it was.
  storage.files["./f.conf"] = "old";
  storage.spaceLeft = 8;
  EXPECT_FALSE(tree("a=1; b=2; c=3;")->save("f.conf"));
  EXPECT_EQ(storage.files["./f.conf"], "old");
}

TEST(StructureFormat, FilesUseCrLfAndFoldersBeforeABackslash) {
  ScratchFolder folder;
  // A CR LF split over the 512-byte blocks, a lone CR, and CR LF inside quotes.
  std::string value(509, 'v');
  writeBytes("sub/a.conf", "k=" + value + "\r\n;lone='x\ry';q='1\r\n2';[i=b.conf]");
  writeBytes("sub/b.conf", "inside=1;\r\n");
  Structure root;
  root.setType(Structure::standardType);
  ASSERT_TRUE(root.load("sub\\a.conf"));
  EXPECT_STREQ(root.name(), "sub\\a.conf");
  EXPECT_EQ(dumpChildren(root), "k=" + value + ";lone=x\ry;q=1\n2;i=b.conf{inside=1;}");

  root.findChild("i")->findChild("inside")->setValue("2");
  ASSERT_TRUE(root.save());
  EXPECT_EQ(readBytes("sub/a.conf"), "k=" + value + ";\r\nlone=x\ry;\r\nq=\"1\r\n2\";\r\n[i=b.conf]\r\n");
  EXPECT_EQ(readBytes("sub/b.conf"), "inside=2;\r\n");
  EXPECT_FALSE(std::filesystem::exists("sub/a.conf.tmp"));
  EXPECT_EQ(std::filesystem::current_path(), folder.path);

  // Missing files read as empty; a forward slash switches no folder.
  Structure missing;
  missing.setType(Structure::standardType);
  EXPECT_TRUE(missing.load("nowhere\\x.conf"));
  EXPECT_TRUE(missing.load("sub/none.conf"));
  EXPECT_EQ(missing.childCount(), 0u);
  // An unwritable file is reported, not pretended written.
  missing.addChild("k", "v");
  EXPECT_FALSE(missing.save("nowhere\\x.conf"));
  EXPECT_FALSE(missing.save("missing/x.conf"));
}

TEST(StructureFormat, HostileFilesStayBounded) {
  MemoryStorage storage;
  std::string nested, bomb = "[l0] a=1; b=2; [/l0]";
  for (int i = 0; i < 100000; ++i) nested += "[a]";
  for (int i = 1; i < 40; ++i) {
    std::string previous = "l" + std::to_string(i - 1), level = "l" + std::to_string(i);
    bomb += "[" + level + "][x@." + previous + "][/x][y@." + previous + "][/y][/" + level + "]";
  }
  storage.files["./self.conf"] = "[again=self.conf] [r@.x=self.conf][/r] [q@.x=self.conf][/q] k=1;";
  // Each read is cut off by the limits and reported as failed.
  for (const std::string& text : {nested, bomb, std::string("[s=self.conf]")}) {
    Structure root;
    EXPECT_FALSE(readText(root, text)) << text.substr(0, 40);
  }
  // Nesting stops at the limit; the sections up to it are kept.
  auto root = tree(nested);
  uint32_t depth = 0;
  for (const Structure* node = root.get(); node->childCount(); node = node->childAt(0)) ++depth;
  EXPECT_EQ(depth, ReadBudget::maxSectionDepth - 1);
  // A copy is measured one node past what is left, so that spending it fails.
  readText(*root, "[s] a=1; b=2; c=3; d=4; [/s]");
  ReadBudget budget;
  budget.left = 4;
  EXPECT_EQ(budget.sizeUpTo(root->findChild("s")), 5u);
}

// The fuzzer's seeds and everything it kept (fuzz/corpus) pass the checks the fuzzer makes, so
// that a fault it once found stays mended.
TEST(FuzzCorpus, EveryStoredInputPassesTheFuzzChecks) {
  int checked = 0;
  for (const char* folder : {OVIX_FUZZ_DIR "/seeds", OVIX_FUZZ_DIR "/corpus", OVIX_LANGUAGES_DIR}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (!entry.is_regular_file() || entry.path().filename().string()[0] == '.') continue;
      std::string data = readBytes(entry.path().string());
      EXPECT_EQ(checkStructureText(reinterpret_cast<const uint8_t*>(data.data()), data.size()), "")
          << entry.path();
      ++checked;
    }
  }
  EXPECT_GE(checked, 3);
}
