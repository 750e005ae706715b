#include "platform/banner/SwfMovie.h"

#include <zlib.h>

#include <algorithm>

#include "base/Files.h"
#include "platform/banner/SwfReader.h"
#include "platform/banner/SwfRecordReader.h"
#include "platform/banner/SwfShapeParser.h"

namespace tavra {
namespace {

enum TagCode : unsigned {
  kEnd = 0,
  kShowFrame = 1,
  kDefineShape = 2,
  kPlaceObject = 4,
  kRemoveObject = 5,
  kSetBackgroundColor = 9,
  kDefineShape2 = 22,
  kPlaceObject2 = 26,
  kRemoveObject2 = 28,
  kDefineShape3 = 32,
  kDefineSprite = 39,
  kPlaceObject3 = 70,
  kDefineShape4 = 83,
};

// Inflates the zlib stream of a CWS file, producing at most `limit` bytes.
Result<std::vector<std::uint8_t>> inflateBody(std::span<const std::uint8_t> compressed, std::size_t limit) {
  std::vector<std::uint8_t> out(limit);
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return Error{"cannot start decompression"};
  z.next_in = const_cast<Bytef*>(compressed.data());
  z.avail_in = static_cast<uInt>(compressed.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  int rc = Z_OK;
  while (z.avail_out > 0 && rc == Z_OK) rc = inflate(&z, Z_NO_FLUSH);
  std::size_t produced = out.size() - z.avail_out;
  inflateEnd(&z);
  if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR) {
    if (produced == 0) return Error{"the compressed movie data is damaged"};
  }
  out.resize(produced);  // a stream cut short keeps what it gave
  return out;
}

SwfPlaceTag readPlaceObject(SwfReader& in) {
  SwfPlaceTag p;
  p.characterId = in.u16();
  p.depth = in.u16();
  p.matrix = swf::readMatrix(in);
  if (in.ok() && in.remaining() > 0) p.colorTransform = swf::readColorTransform(in, false);
  return p;
}

// PlaceObject2 (version 2) and PlaceObject3 (version 3).
SwfPlaceTag readPlaceObject2(SwfReader& in, int version) {
  SwfPlaceTag p;
  std::uint8_t flags = in.u8();
  std::uint8_t flags3 = version >= 3 ? in.u8() : 0;
  bool hasClipDepth = (flags & 0x40) != 0;
  bool hasName = (flags & 0x20) != 0;
  bool hasRatio = (flags & 0x10) != 0;
  bool hasCxform = (flags & 0x08) != 0;
  bool hasMatrix = (flags & 0x04) != 0;
  bool hasChar = (flags & 0x02) != 0;
  p.move = (flags & 0x01) != 0;
  p.depth = in.u16();
  bool hasClassName = (flags3 & 0x08) != 0;
  bool hasImage = (flags3 & 0x10) != 0;
  if (hasClassName || (hasImage && !hasChar)) (void)in.cString();
  if (hasChar) p.characterId = in.u16();
  if (hasMatrix) p.matrix = swf::readMatrix(in);
  if (hasCxform) p.colorTransform = swf::readColorTransform(in, true);
  if (hasRatio) (void)in.u16();
  if (hasName) (void)in.cString();
  if (hasClipDepth) p.clipDepth = in.u16();
  return p;
}

}  // namespace

// Walks a tag list (the file's or a sprite's), filling the dictionary and a timeline.
class SwfMovie::TagReader {
 public:
  explicit TagReader(SwfMovie& movie) : movie_(movie) {}

  // Returns false when the list holds something that makes it invalid (a sprite inside a sprite).
  bool read(std::span<const std::uint8_t> data, SwfTimelineData& timeline, bool insideSprite) {
    SwfReader in(data);
    std::vector<SwfControlTag> pending;
    bool sawEnd = false;
    while (!in.atEnd()) {
      std::uint16_t header = in.u16();
      unsigned code = header >> 6;
      std::size_t length = header & 0x3F;
      if (length == 0x3F) length = in.u32();
      if (!in.ok() || length > in.remaining()) break;  // cut short: stop reading tags
      SwfReader body(in.bytes(length));
      if (code == kEnd) {
        sawEnd = true;
        break;
      }
      if (code == kShowFrame) {
        timeline.frames.push_back(std::move(pending));
        pending.clear();
        if (timeline.frames.size() >= kMaxFrames) break;
        continue;
      }
      if (controlTags_ >= kMaxControlTags) break;
      switch (code) {
        case kPlaceObject:
        case kPlaceObject2:
        case kPlaceObject3: {
          SwfPlaceTag p = code == kPlaceObject ? readPlaceObject(body)
                                               : readPlaceObject2(body, code == kPlaceObject2 ? 2 : 3);
          if (body.ok()) {
            pending.emplace_back(std::move(p));
            ++controlTags_;
          }
          break;
        }
        case kRemoveObject:
        case kRemoveObject2: {
          if (code == kRemoveObject) (void)body.u16();
          SwfRemoveTag r{body.u16()};
          if (body.ok()) {
            pending.emplace_back(r);
            ++controlTags_;
          }
          break;
        }
        case kSetBackgroundColor:
          if (!insideSprite && !movie_.background_) {
            SwfRgba c = swf::readRgb(body);
            if (body.ok()) movie_.background_ = c;
          }
          break;
        case kDefineShape:
        case kDefineShape2:
        case kDefineShape3:
        case kDefineShape4:
          if (!insideSprite) readShape(body, code);
          break;
        case kDefineSprite:
          if (insideSprite) return false;
          readSprite(body);
          break;
        default:
          break;  // unknown or unsupported: skipped
      }
    }
    // Tags after the last ShowFrame make a frame of their own only when nothing else does or
    // the list was cut short.
    if (!pending.empty() && (timeline.frames.empty() || !sawEnd)) timeline.frames.push_back(std::move(pending));
    timeline.loops = sawEnd && timeline.frames.size() > 1;
    return true;
  }

 private:
  bool isDefined(std::uint16_t id) const { return movie_.shapes_.contains(id) || movie_.sprites_.contains(id); }

  void readShape(SwfReader& body, unsigned code) {
    int version = code == kDefineShape ? 1 : code == kDefineShape2 ? 2 : code == kDefineShape3 ? 3 : 4;
    auto data = body.bytes(body.remaining());
    auto shape = SwfShapeParser::parse(data, version);
    if (shape && !isDefined(shape->id)) movie_.shapes_.emplace(shape->id, std::move(*shape));
  }

  void readSprite(SwfReader& body) {
    SwfSprite sprite;
    sprite.id = body.u16();
    (void)body.u16();  // declared frame count: the tags decide
    if (!body.ok() || isDefined(sprite.id)) return;
    if (!read(body.bytes(body.remaining()), sprite.timeline, true)) return;
    movie_.sprites_.emplace(sprite.id, std::move(sprite));
  }

  SwfMovie& movie_;
  std::size_t controlTags_ = 0;
};

Result<SwfMovie> SwfMovie::fromBytes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 8) return Error{"not a movie: the file is too short"};
  bool compressed = bytes[0] == 'C';
  if (bytes[1] != 'W' || bytes[2] != 'S' || (bytes[0] != 'F' && bytes[0] != 'C' && bytes[0] != 'Z')) {
    return Error{"not a movie: unknown signature"};
  }
  if (bytes[0] == 'Z') return Error{"LZMA-compressed movies are not supported"};
  SwfMovie movie;
  movie.version_ = bytes[3];
  if (movie.version_ == 0) return Error{"not a movie: version 0"};
  std::uint32_t length = static_cast<std::uint32_t>(bytes[4]) | (static_cast<std::uint32_t>(bytes[5]) << 8) |
                         (static_cast<std::uint32_t>(bytes[6]) << 16) | (static_cast<std::uint32_t>(bytes[7]) << 24);
  if (length < 8) return Error{"not a movie: declared length below 8"};
  if (length > kMaxMovieBytes) return Error{"the movie is too large (" + std::to_string(length) + " bytes)"};

  std::vector<std::uint8_t> inflated;
  std::span<const std::uint8_t> body;
  if (compressed) {
    auto r = inflateBody(bytes.subspan(8), length - 8);
    if (!r) return Error{r.error()};
    inflated = std::move(*r);
    body = inflated;
  } else {
    body = bytes.subspan(8, std::min<std::size_t>(length - 8, bytes.size() - 8));
  }

  SwfReader in(body);
  movie.stage_ = swf::readRect(in);
  std::uint8_t fraction = in.u8();
  std::uint8_t whole = in.u8();
  movie.frameRate_ = std::clamp(whole + fraction / 256.0, 1.0, 60.0);
  movie.declaredFrameCount_ = in.u16();
  if (!in.ok()) return Error{"the movie header is cut short"};

  TagReader tags(movie);
  (void)tags.read(body.subspan(in.position()), movie.root_, false);
  return movie;
}

Result<SwfMovie> SwfMovie::fromFile(const std::string& path) {
  auto bytes = readFileBytes(path, kMaxMovieBytes + 64 * 1024);
  if (!bytes) return Error{bytes.error()};
  return fromBytes(*bytes);
}

const SwfShape* SwfMovie::shape(std::uint16_t id) const {
  auto it = shapes_.find(id);
  return it == shapes_.end() ? nullptr : &it->second;
}

const SwfSprite* SwfMovie::sprite(std::uint16_t id) const {
  auto it = sprites_.find(id);
  return it == sprites_.end() ? nullptr : &it->second;
}

}  // namespace tavra
