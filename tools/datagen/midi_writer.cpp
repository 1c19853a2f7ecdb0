#include "midi_writer.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace datagen {
namespace {

constexpr int kTicksPerBeat = 480;
constexpr int kTicksPerStep = kTicksPerBeat / kStepsPerBeat;

struct TrackInfo {
  Part part;
  const char* name;
  std::uint8_t channel;
  std::uint8_t program;  // General MIDI instrument, counted from 0
  std::uint8_t velocity;
};

constexpr std::array<TrackInfo, 4> kTracks{{
    {Part::Lead, "Lead", 0, 80, 100},  // square lead
    {Part::Arpeggio, "Arpeggio", 1, 80, 56},
    {Part::Bass, "Bass", 2, 38, 96},  // synth bass
    {Part::Drums, "Drums", 9, 0, 100},
}};

void put_variable(Bytes& out, std::uint32_t value) {
  std::array<std::uint8_t, 5> groups{};
  int count = 0;
  do {
    groups[static_cast<std::size_t>(count++)] = value & 0x7F;
    value >>= 7;
  } while (value);
  while (count-- > 0) {
    const std::uint8_t more = count ? 0x80 : 0;
    out.push_back(groups[static_cast<std::size_t>(count)] | more);
  }
}

void put_meta(Bytes& out, std::uint8_t type, const Bytes& data) {
  out.insert(out.end(), {0xFF, type});
  put_variable(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
}

Bytes text(const char* name) {
  Bytes data;
  put_text(data, name);
  return data;
}

void put_chunk(Bytes& out, const char* id, const Bytes& body) {
  put_text(out, id);
  put_be32(out, static_cast<std::uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
}

Bytes conductor_track() {
  Bytes track;
  put_variable(track, 0);
  put_meta(track, 0x03, text("Ridgeline"));
  put_variable(track, 0);
  constexpr std::uint32_t kMicrosPerBeat = 60'000'000 / kTempo;
  put_meta(
      track, 0x51,
      {static_cast<std::uint8_t>(kMicrosPerBeat >> 16),
       static_cast<std::uint8_t>(kMicrosPerBeat >> 8), static_cast<std::uint8_t>(kMicrosPerBeat)});
  put_variable(track, 0);
  put_meta(track, 0x58, {4, 2, 24, 8});  // 4/4
  put_variable(track, static_cast<std::uint32_t>(kSteps * kTicksPerStep));
  put_meta(track, 0x2F, {});
  return track;
}

Bytes part_track(const std::vector<ScoreNote>& score, const TrackInfo& info) {
  // (tick, note-off before note-on, key, velocity)
  std::vector<std::tuple<int, int, int, int>> events;
  for (const ScoreNote& n : score) {
    if (n.part != info.part) continue;
    const int velocity = info.velocity;
    events.emplace_back(n.step * kTicksPerStep, 1, n.pitch, velocity);
    events.emplace_back((n.step + n.length) * kTicksPerStep, 0, n.pitch, 0);
  }
  std::sort(events.begin(), events.end());
  Bytes track;
  put_variable(track, 0);
  put_meta(track, 0x03, text(info.name));
  put_variable(track, 0);
  track.insert(track.end(), {static_cast<std::uint8_t>(0xC0 | info.channel), info.program});
  int now = 0;
  for (const auto& [tick, on, key, velocity] : events) {
    put_variable(track, static_cast<std::uint32_t>(tick - now));
    now = tick;
    const std::uint8_t status = on ? 0x90 : 0x80;
    track.insert(track.end(),
                 {static_cast<std::uint8_t>(status | info.channel), static_cast<std::uint8_t>(key),
                  static_cast<std::uint8_t>(on ? velocity : 64)});
  }
  put_variable(track, static_cast<std::uint32_t>(kSteps * kTicksPerStep - now));
  put_meta(track, 0x2F, {});
  return track;
}

}  // namespace

Bytes encode_midi(const std::vector<ScoreNote>& score) {
  Bytes out;
  Bytes header;
  put_be16(header, 1);  // format 1: simultaneous tracks
  put_be16(header, 1 + kTracks.size());
  put_be16(header, kTicksPerBeat);
  put_chunk(out, "MThd", header);
  put_chunk(out, "MTrk", conductor_track());
  for (const TrackInfo& info : kTracks) put_chunk(out, "MTrk", part_track(score, info));
  return out;
}

}  // namespace datagen
