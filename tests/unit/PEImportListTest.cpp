// The import reader against hand-made images: both header widths, and images whose table,
// names or sections leave the bytes. Every read is of an exactly sized copy, so the
// sanitizer catches a byte read past the end.
#include "platform/native/PEImportList.h"
#include "PEImageBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using native::PEImportList;

int read(PEImportList& list, const std::vector<uint8_t>& bytes, size_t length) {
    const std::vector<uint8_t> exact(bytes.begin(), bytes.begin() + long(length));
    return list.read(exact.data(), exact.size());
}

int read(PEImportList& list, const PEImageBytes& image) {
    return read(list, image.bytes, image.bytes.size());
}

std::vector<std::string> names(const PEImportList& list) {
    std::vector<std::string> all;
    for (size_t i = 0; i < list.count(); ++i) all.push_back(list.name(i));
    return all;
}

} // namespace

TEST(PEImportList, ReadsTheImportedDllsInTheTablesOrderFromBothHeaderWidths) {
    const std::vector<std::string> dlls = {"vornex.exe", "KERNEL32.dll", "missinghelper.dll"};
    for (const bool wide : {true, false}) {
        PEImportList list;
        ASSERT_EQ(read(list, PEImageBytes(dlls, wide)), 0) << list.error();
        EXPECT_EQ(names(list), dlls);
        EXPECT_EQ(list.name(3), nullptr);
    }
    // No import directory, or one of address 0: nothing imported.
    PEImageBytes none({"a.dll"});
    none.put32(none.importDirectory, 0);
    PEImportList list;
    EXPECT_EQ(read(list, none), 0);
    EXPECT_EQ(list.count(), 0u);
    PEImageBytes fewDirectories({"a.dll"});
    fewDirectories.put32(fewDirectories.importDirectory - 12, 1);
    EXPECT_EQ(read(list, fewDirectories), 0);
    EXPECT_EQ(list.count(), 0u);
}

TEST(PEImportList, RefusesEveryTruncationAndBytesThatAreNoImage) {
    const PEImageBytes image({"one.dll", "two.dll"});
    PEImportList list;
    for (size_t length = 0; length < image.bytes.size(); ++length) {
        EXPECT_EQ(read(list, image.bytes, length), -1) << length;
        EXPECT_EQ(list.count(), 0u);
        EXPECT_STRNE(list.error(), "");
    }
    PEImageBytes noDos = image;
    noDos.bytes[0] = 'X';
    EXPECT_EQ(read(list, noDos), -1);
    EXPECT_STREQ(list.error(), "no DOS header");
    PEImageBytes headerFarAway = image;
    headerFarAway.put32(0x3C, 0xFFFFFFFF);
    EXPECT_EQ(read(list, headerFarAway), -1);
    EXPECT_STREQ(list.error(), "no PE header");
    PEImageBytes unknownMagic = image;
    unknownMagic.put16(0x58, 0x107);
    EXPECT_EQ(read(list, unknownMagic), -1);
    PEImageBytes manySections = image;
    manySections.put16(0x46, 0xFFFF);
    EXPECT_EQ(read(list, manySections), -1);
    EXPECT_EQ(list.read(nullptr, 100), -1);
}

TEST(PEImportList, AddressesOutsideTheSectionsOrTheFileAreRefused) {
    const PEImageBytes image({"one.dll", "two.dll"});
    PEImportList list;
    PEImageBytes tableAway = image;
    tableAway.put32(tableAway.importDirectory, 0x9000);
    EXPECT_EQ(read(list, tableAway), -1);
    EXPECT_STREQ(list.error(), "the import table lies outside the sections");
    // The table's last entry hangs over the section's end.
    PEImageBytes tableAtEnd = image;
    tableAtEnd.put32(tableAtEnd.importDirectory,
                     PEImageBytes::addressOf(tableAtEnd.bytes.size() - 10));
    EXPECT_EQ(read(list, tableAtEnd), -1);
    PEImageBytes nameAway = image;
    nameAway.put32(PEImageBytes::kSectionOffset + 20 + 12, 0x7FFFFFF0);
    EXPECT_EQ(read(list, nameAway), -1);
    EXPECT_STREQ(list.error(), "an imported DLL's name lies outside the sections");
    // The section claims bytes the file does not have, or starts past its end.
    PEImageBytes longSection = image;
    longSection.put32(longSection.sectionHeader + 8, 0x10000);
    longSection.put32(longSection.sectionHeader + 16, 0x10000);
    longSection.bytes.pop_back(); // the last name's end
    EXPECT_EQ(read(list, longSection), -1);
    PEImageBytes sectionPastEnd = image;
    sectionPastEnd.put32(sectionPastEnd.sectionHeader + 20, 0xFFFFFF00);
    EXPECT_EQ(read(list, sectionPastEnd), -1);
    // Bytes past a section's virtual size are not its own, though in the file.
    PEImageBytes shortVirtual = image;
    shortVirtual.put32(shortVirtual.sectionHeader + 8, 20);
    EXPECT_EQ(read(list, shortVirtual), -1);
}

TEST(PEImportList, NamesMustEndBeTextAndFitAndTheListHasItsSize) {
    PEImportList list;
    PEImageBytes noEnd({"one.dll", "two.dll"});
    noEnd.bytes.back() = 'x';
    EXPECT_EQ(read(list, noEnd), -1);
    EXPECT_STREQ(list.error(), "an imported DLL's name has no end in its section");
    PEImageBytes control({"one.dll", "tw\no.dll"});
    EXPECT_EQ(read(list, control), -1);
    EXPECT_STREQ(list.error(), "an imported DLL's name is not text");
    PEImageBytes empty({"one.dll", ""});
    EXPECT_EQ(read(list, empty), -1);
    const std::string longest(PEImportList::kNameSize - 1, 'n');
    EXPECT_EQ(read(list, PEImageBytes({longest})), 0);
    EXPECT_EQ(list.name(0), longest);
    EXPECT_EQ(read(list, PEImageBytes({longest + "n"})), -1);
    EXPECT_STREQ(list.error(), "an imported DLL's name is too long");

    std::vector<std::string> dlls;
    for (size_t i = 0; i < PEImportList::kMaxImports; ++i)
        dlls.push_back(std::to_string(i) + ".dll");
    EXPECT_EQ(read(list, PEImageBytes(dlls)), 0);
    EXPECT_EQ(list.count(), PEImportList::kMaxImports);
    dlls.push_back("onemore.dll");
    EXPECT_EQ(read(list, PEImageBytes(dlls)), -1);
    EXPECT_STREQ(list.error(), "more imported DLLs than the list takes");
    EXPECT_EQ(list.count(), 0u);
}
