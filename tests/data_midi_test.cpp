// The generated MIDI file: a well-formed standard MIDI file whose tracks all
// end properly, with the music's tempo and as long as the wave of the music.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/data_files.h"
#include "read_file.h"

namespace ridgeline {

namespace {

using Bytes = std::vector<std::uint8_t>;

class Reader {
 public:
  Reader(const Bytes& bytes, std::size_t at, std::size_t end) : bytes_(bytes), at_(at), end_(end) {}

  bool done() const { return at_ >= end_; }
  std::size_t at() const { return at_; }
  std::uint8_t Byte() {
    if (at_ >= end_) throw std::out_of_range("read past the end of a chunk");
    return bytes_[at_++];
  }
  std::uint32_t BigEndian(int count) {
    std::uint32_t value = 0;
    while (count-- > 0) value = value << 8 | Byte();
    return value;
  }
  std::uint32_t Variable() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t b = Byte();
      value = value << 7 | (b & 0x7F);
      if (!(b & 0x80)) return value;
    }
    throw std::runtime_error("variable-length number longer than four bytes");
  }
  void Skip(std::uint32_t count) { at_ += count; }

 private:
  const Bytes& bytes_;
  std::size_t at_;
  std::size_t end_;
};

struct Track {
  std::set<int> channels;  // that play notes
  long long last_tick = 0;
  int note_ons = 0;
  int unmatched = 0;  // notes switched on and never off
  std::uint32_t tempo = 0;
  bool ended = false;
};

Track ParseTrack(Reader in) {
  Track track;
  std::map<int, int> sounding;  // (channel << 8 | key) -> count
  std::uint8_t status = 0;
  long long tick = 0;
  while (!in.done()) {
    if (track.ended) throw std::runtime_error("events after the end of the track");
    tick += in.Variable();
    std::uint8_t first = in.Byte();
    if (first == 0xFF) {
      const std::uint8_t type = in.Byte();
      const std::uint32_t length = in.Variable();
      if (type == 0x51) {
        track.tempo = in.BigEndian(3);
      } else {
        in.Skip(length);
      }
      track.ended = type == 0x2F;
      continue;
    }
    if (first & 0x80) {
      status = first;
      first = in.Byte();
    }
    if (status < 0x80 || status >= 0xF0) throw std::runtime_error("unexpected status byte");
    const int channel = status & 0x0F;
    const int kind = status & 0xF0;
    const std::uint8_t second = (kind == 0xC0 || kind == 0xD0) ? 0 : in.Byte();
    const int key = channel << 8 | first;
    if (kind == 0x90 && second > 0) {
      ++track.note_ons;
      track.channels.insert(channel);
      ++sounding[key];
    } else if (kind == 0x80 || kind == 0x90) {
      --sounding[key];
    }
  }
  track.last_tick = tick;
  for (const auto& [key, count] : sounding) track.unmatched += count != 0;
  return track;
}

TEST(DataMidi, IsAWellFormedStandardMidiFileOfTheMusic) {
  const std::string file = ReadFile(RIDGELINE_DATA_DIR "/" + std::string(MidiFile().path));
  const Bytes bytes(file.begin(), file.end());
  ASSERT_GE(bytes.size(), 14u);
  Reader header(bytes, 0, bytes.size());
  ASSERT_EQ(header.BigEndian(4), 0x4D546864u);  // "MThd"
  ASSERT_EQ(header.BigEndian(4), 6u);
  const std::uint32_t format = header.BigEndian(2);
  const std::uint32_t tracks = header.BigEndian(2);
  const std::uint32_t division = header.BigEndian(2);
  EXPECT_TRUE(format == 0 || format == 1);
  EXPECT_GE(tracks, 1u);
  ASSERT_GT(division, 0u);
  ASSERT_LT(division, 0x8000u) << "ticks per quarter note";

  std::size_t at = 14;
  int notes = 0;
  std::set<int> channels;
  std::uint32_t tempo = 0;
  long long length = 0;
  for (std::uint32_t t = 0; t < tracks; ++t) {
    SCOPED_TRACE("track " + std::to_string(t));
    Reader chunk(bytes, at, bytes.size());
    ASSERT_EQ(chunk.BigEndian(4), 0x4D54726Bu);  // "MTrk"
    const std::uint32_t size = chunk.BigEndian(4);
    ASSERT_LE(at + 8 + size, bytes.size());
    Track track;
    ASSERT_NO_THROW(track = ParseTrack(Reader(bytes, at + 8, at + 8 + size)));
    EXPECT_TRUE(track.ended) << "every track closes with an end-of-track event";
    EXPECT_EQ(track.unmatched, 0);
    notes += track.note_ons;
    channels.insert(track.channels.begin(), track.channels.end());
    if (track.tempo) tempo = track.tempo;
    length = std::max(length, track.last_tick);
    at += 8 + size;
  }
  EXPECT_EQ(at, bytes.size()) << "nothing after the last track";
  EXPECT_GT(notes, 100);
  // A melody, an accompaniment and a bass line, and the drums on channel 10.
  EXPECT_GE(channels.size(), 4u);
  EXPECT_TRUE(channels.count(9));
  EXPECT_EQ(tempo, 60'000'000u / 140);

  // The same tune as music.wav: sixteen bars of four beats.
  EXPECT_EQ(length, 16LL * 4 * division);
}

}  // namespace

}  // namespace ridgeline
