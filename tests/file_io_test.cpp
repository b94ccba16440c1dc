#include "lif/file_io.h"

#include <gtest/gtest.h>

namespace velkord {
namespace {

// A temporary file holding `bytes`, positioned at its start.
File temporary_file(const Bytes& bytes) {
    File file(std::tmpfile());
    EXPECT_TRUE(file);
    EXPECT_TRUE(write_bytes(file.get(), bytes.data(), bytes.size()));
    std::rewind(file.get());
    return file;
}

Bytes contents(std::FILE* file) {
    std::rewind(file);
    Bytes bytes;
    for (int c; (c = std::fgetc(file)) != EOF;) {
        bytes.push_back(static_cast<unsigned char>(c));
    }
    return bytes;
}

TEST(CopyBytes, CopiesExactlyTheCountAndEverythingReadBeforeAShortEnd) {
    const struct {
        std::size_t available, count;
        CopyEnd end;
        std::size_t copied;
    } cases[] = {
        {0, 0, CopyEnd::complete, 0},
        {10, 4, CopyEnd::complete, 4},  // the rest stays behind
        {300000, 300000, CopyEnd::complete, 300000},
        {3, 4, CopyEnd::read_failed, 3},
        {0, 1, CopyEnd::read_failed, 0},
        {200000, 300000, CopyEnd::read_failed, 200000},  // across blocks
    };
    for (const auto& c : cases) {
        Bytes data(c.available);
        for (std::size_t i = 0; i < data.size(); ++i) {
            data[i] = static_cast<unsigned char>(i * 7 + i / 251);
        }
        File input = temporary_file(data);
        File output(std::tmpfile());
        EXPECT_EQ(copy_bytes(input.get(), output.get(), c.count), c.end)
            << c.available << " " << c.count;
        data.resize(c.copied);
        EXPECT_EQ(contents(output.get()), data) << c.available << " " << c.count;
    }
}

TEST(CopyBytes, ReadErrorIsReported) {
    // Reading a directory fails where opening one succeeds.
    File directory(std::fopen(".", "rb"));
    if (!directory) {
        GTEST_SKIP() << "directories cannot be opened here";
    }
    File output(std::tmpfile());
    EXPECT_EQ(copy_bytes(directory.get(), output.get(), 10),
              CopyEnd::read_failed);
}

TEST(FinishOutput, NamesTheFirstFailure) {
    const struct {
        CopyEnd end;
        std::string text;
    } cases[] = {
        {CopyEnd::complete, ""},
        {CopyEnd::read_failed, "read error in in\n"},
        {CopyEnd::write_failed, "write error in out\n"},
    };
    for (const auto& c : cases) {
        File output(std::tmpfile());
        const Report report = finish_output(output, c.end, "in", "out");
        EXPECT_EQ(report.text, c.text);
        EXPECT_EQ(report.failed, !c.text.empty());
        EXPECT_FALSE(output);
    }
}

}  // namespace
}  // namespace velkord
