#include "platform/banner/SwfPlayer.h"

#include <algorithm>
#include <cmath>

#include "platform/banner/SwfRenderer.h"

namespace tavra {

SwfPlayer::SwfPlayer() = default;

SwfPlayer::~SwfPlayer() {
  root_.reset();
  context_.reset();
}

bool SwfPlayer::load(const std::string& path) {
  auto movie = SwfMovie::fromFile(path);
  if (!movie) {
    clear();
    loadError_ = movie.error();
    return false;
  }
  setMovie(std::make_shared<const SwfMovie>(std::move(*movie)));
  return true;
}

bool SwfPlayer::loadFromBytes(std::span<const std::uint8_t> bytes) {
  auto movie = SwfMovie::fromBytes(bytes);
  if (!movie) {
    clear();
    loadError_ = movie.error();
    return false;
  }
  setMovie(std::make_shared<const SwfMovie>(std::move(*movie)));
  return true;
}

void SwfPlayer::setMovie(std::shared_ptr<const SwfMovie> movie) {
  clear();
  movie_ = std::move(movie);
  rewind();
}

void SwfPlayer::clear() {
  root_.reset();
  context_.reset();
  movie_.reset();
  loadError_.clear();
}

void SwfPlayer::rewind() {
  root_.reset();
  context_.reset();
  if (!movie_) return;
  context_ = std::make_unique<SwfTimeline::Context>(SwfTimeline::Context{.movie = movie_.get()});
  root_ = std::make_unique<SwfTimeline>(movie_->timeline(), *context_, 0);
  root_->advance();
}

double SwfPlayer::frameRate() const { return movie_ ? movie_->frameRate() : 12.0; }

int SwfPlayer::frameIntervalMs() const {
  return std::max(kMinFrameIntervalMs, static_cast<int>(std::lround(1000.0 / frameRate())));
}

Size SwfPlayer::stageSize() const {
  if (!movie_) return {};
  const SwfRect& s = movie_->stage();
  return {std::max(0, static_cast<int>(std::lround(s.width() / static_cast<double>(kTwipsPerPixel)))),
          std::max(0, static_cast<int>(std::lround(s.height() / static_cast<double>(kTwipsPerPixel))))};
}

Color SwfPlayer::backgroundColor() const {
  if (!movie_ || !movie_->backgroundColor()) return clWhite;
  const SwfRgba& c = *movie_->backgroundColor();
  return rgb(c.r, c.g, c.b);
}

int SwfPlayer::frameCount() const { return movie_ ? static_cast<int>(movie_->timeline().frames.size()) : 0; }

int SwfPlayer::currentFrame() const { return root_ ? std::max(root_->currentFrame(), 0) : 0; }

void SwfPlayer::advance() {
  if (root_) root_->advance();
}

std::optional<SwfMatrix> SwfPlayer::stageMatrix(const Rect& target) const {
  if (!movie_ || !root_ || target.isEmpty()) return std::nullopt;
  const SwfRect& stage = movie_->stage();
  if (stage.width() <= 0 || stage.height() <= 0) return std::nullopt;
  // "Show all": the whole stage, as large as fits, centred.
  double stageW = stage.width() / static_cast<double>(kTwipsPerPixel);
  double stageH = stage.height() / static_cast<double>(kTwipsPerPixel);
  double s = std::min(target.width() / stageW, target.height() / stageH);
  double tx = target.left + (target.width() - stageW * s) / 2;
  double ty = target.top + (target.height() - stageH * s) / 2;
  double k = s / kTwipsPerPixel;
  return SwfMatrix{k, 0, 0, k, tx - stage.xMin * k, ty - stage.yMin * k};
}

SwfDrawList SwfPlayer::drawList(const Rect& target) const {
  auto stageToTarget = stageMatrix(target);
  if (!stageToTarget) return {};
  return SwfDrawList(*movie_, *root_, *stageToTarget);
}

void SwfPlayer::render(cairo_t* cr, const Rect& target, const SwfRenderPass& pass) const {
  if (target.isEmpty()) return;
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, target.left, target.top, target.width(), target.height());
  cairo_clip(cr);
  if (const Region* area = pass.area) {
    // The area is in device pixels.
    cairo_matrix_t user;
    cairo_get_matrix(cr, &user);
    cairo_identity_matrix(cr);
    for (const Rect& r : area->rects()) cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
    cairo_clip(cr);
    cairo_set_matrix(cr, &user);
  }
  if (pass.background) {
    Color bg = backgroundColor();
    cairo_set_source_rgb(cr, redOf(bg) / 255.0, greenOf(bg) / 255.0, blueOf(bg) / 255.0);
    cairo_paint(cr);
  }

  if (auto stageToTarget = stageMatrix(target)) {
    cairo_matrix_t base;
    cairo_get_matrix(cr, &base);
    SwfMatrix world = SwfMatrix{base.xx, base.yx, base.xy, base.yy, base.x0, base.y0} * *stageToTarget;
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GOOD);
    SwfRenderer renderer(cr, *movie_, pass.area);
    renderer.drawDepths(*root_, world, pass.fromDepth, pass.toDepth);
  }
  cairo_restore(cr);
}

void SwfPlayer::render(Bitmap& bitmap, const Rect& target, const SwfRenderPass& pass) const {
  if (bitmap.isEmpty()) return;
  cairo_format_t format = bitmap.format() == PixelFormat::Bits32 ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24;
  cairo_surface_t* surface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(bitmap.data()),
                                                                 format, bitmap.width(), bitmap.height(), bitmap.stride());
  cairo_t* cr = cairo_create(surface);
  render(cr, target, pass);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  cairo_surface_destroy(surface);
  if (bitmap.format() == PixelFormat::Bits24) {
    Region opaque(target.intersected(bitmap.bounds()));
    if (pass.area) opaque.intersect(*pass.area);
    for (const Rect& r : opaque.rects()) {
      for (int y = r.top; y < r.bottom; ++y) {
        Pixel* row = bitmap.row(y);
        for (int x = r.left; x < r.right; ++x) row[x] |= 0xFF000000u;
      }
    }
  }
}

}  // namespace tavra
