#include "replay/trace.h"

#include <charconv>
#include <type_traits>

#include "game/state.h"
#include "media/directx/sound.h"
#include "replay/number_text.h"

namespace ridgeline {

namespace {

// libc++ before version 14 (Emscripten's) converts whole numbers only.
#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
constexpr bool kToCharsWholeNumbersOnly = true;
#else
constexpr bool kToCharsWholeNumbersOnly = false;
#endif

// Builds one JSON object in a string, key by key.
class JsonLine {
 public:
  explicit JsonLine(std::string& out) : out_(out) { out_ += '{'; }
  ~JsonLine() { out_ += "}\n"; }

  JsonLine& Key(const char* name) {
    if (out_.back() != '{') out_ += ',';
    out_ += '"';
    out_ += name;
    out_ += "\":";
    return *this;
  }

  void Value(bool flag) { out_ += flag ? "true" : "false"; }
  // Integers as integers; reals as the shortest text that reads back to the
  // same value in their own precision.
  template <typename T>
  void Value(T number) {
    if constexpr (kToCharsWholeNumbersOnly && std::is_floating_point_v<T>) {
      AppendShortest(out_, number);
    } else {
      char digits[32];
      const auto result = std::to_chars(digits, digits + sizeof digits, number);
      out_.append(digits, result.ptr);
    }
  }

  // Comma-separated values, as in one row of a table.
  template <typename... T>
  void Values(T... values) {
    const char* separator = "";
    ((out_ += separator, Value(values), separator = ","), ...);
  }

  // [[row], ...] for the rows 0..last that `include` picks, in order.
  template <typename Include, typename Row>
  void Rows(long last, Include include, Row row) {
    out_ += '[';
    const char* separator = "";
    for (long i = 0; i <= last; ++i) {
      if (!include(i)) continue;
      out_ += separator;
      out_ += '[';
      row(i);
      out_ += ']';
      separator = ",";
    }
    out_ += ']';
  }

 private:
  std::string& out_;
};

}  // namespace

void AppendTraceLine(std::string& out, long pass, const GameVariables& g, PassSound sound) {
  JsonLine json(out);
  json.Key("pass").Value(pass);
  json.Key("state").Value(static_cast<int>(g.GameState));
  json.Key("splash").Value(g.SplashTicks);
  json.Key("gameOver").Value(g.GameOverTicks);
  json.Key("score").Value(g.Score);
  json.Key("playerX").Value(g.PlayerX);
  json.Key("playerY").Value(g.PlayerY);
  json.Key("speed").Value(g.PlayerSpeed);
  json.Key("jumping").Value(g.Jumping);
  json.Key("jumpVelocity").Value(g.JumpVelocity);
  json.Key("playerFrame").Value(g.PlayerFrame);
  json.Key("animTick").Value(g.AnimTick);
  json.Key("animReverse").Value(g.AnimReverse);
  json.Key("bgOffset").Value(g.BgOffset);
  json.Key("waveAngle").Value(g.WaveAngle);
  json.Key("shotsActive").Value(g.ShotsActive);
  json.Key("shotSlot").Value(g.ShotSlot);
  json.Key("shotCount").Value(g.ShotCount);
  json.Key("shots").Rows(
      kLastShot, [&](long i) { return g.ShotAlive(i); },
      [&](long i) { json.Values(i, g.Shot(i).x, g.Shot(i).y, g.ShotHits(i)); });
  json.Key("enemies").Rows(
      kLastEnemy, [](long) { return true; },
      [&](long i) {
        const EnemyRow& e = g.Enemy(i);
        json.Values(e.x, e.y, e.a, e.b, g.EnemyVisible(i));
      });
  json.Key("explosionSlot").Value(g.ExplosionSlot);
  // An explosion's x is kept in single precision but shows as a double, like
  // every real of the game outside the enemy table.
  json.Key("explosions")
      .Rows(
          kLastExplosion, [&](long i) { return g.ExplosionActive(i); },
          [&](long i) {
            json.Values(i, static_cast<double>(g.Explosion(i).x), g.Explosion(i).y,
                        g.ExplosionTimer(i));
          });
  json.Key("music").Value(sound.music);
  json.Key("explosionSounds").Value(sound.explosionStarts);
}

void TraceWriter::PassEnded(long pass) {
  const DirectSoundBuffer* explosion = SoundBuffer(0).get();
  const DirectSoundBuffer* music = SoundBuffer(1).get();
  const long starts = explosion ? explosion->Starts() : 0;
  const PassSound sound{music && music->IsPlaying(), starts - explosionStartsBefore_};
  explosionStartsBefore_ = starts;
  line_.clear();
  AppendTraceLine(line_, pass, Game, sound);
  std::fwrite(line_.data(), 1, line_.size(), file_);
}

}  // namespace ridgeline
