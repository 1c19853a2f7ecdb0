#include "media/sdl/renderer_presenter.h"

#include <string_view>

#include "media/directx/sdl_picture.h"
#include "media/sdl/viewport.h"

namespace ridgeline {

namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER
using GlGetString = const unsigned char* (*)(unsigned name);

// Mesa's software rasterizers, by the names they give themselves.
bool IsSoftwareRasterizer(std::string_view name) {
  for (std::string_view soft : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"}) {
    if (name.find(soft) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace

bool RendersInSoftware(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0) return true;
  if ((info.flags & SDL_RENDERER_SOFTWARE) != 0) return true;
  const std::string_view name = info.name;
  if (name != "opengl" && name != "opengles2") return false;
  // The renderer's context is current once it is made.
  auto getString = reinterpret_cast<GlGetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* rasterizer = getString ? getString(kGlRenderer) : nullptr;
  return rasterizer && IsSoftwareRasterizer(reinterpret_cast<const char*>(rasterizer));
}

RendererPresenter::~RendererPresenter() {
  if (enlarged_) SDL_DestroyTexture(enlarged_);
  if (texture_) SDL_DestroyTexture(texture_);
  SDL_DestroyRenderer(renderer_);
}

bool RendererPresenter::Prepare() {
  // 32-bit pixels: every renderer takes them as they are, where 16-bit ones
  // would be converted in SDL on every frame anyway.
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               kPictureWidth, kPictureHeight);
  return texture_ != nullptr;
}

void RendererPresenter::Draw(const FrameView& picture) {
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) == 0) {
    SDL_ConvertPixels(kPictureWidth, kPictureHeight, SdlPixelFormat(picture.format), picture.pixels,
                      picture.pitch, SDL_PIXELFORMAT_RGB888, pixels, pitch);
    SDL_UnlockTexture(texture_);
  }
  int width = 0;
  int height = 0;
  SDL_GetRendererOutputSize(renderer_, &width, &height);
  const Viewport v = FitPicture(width, height);
  const SDL_Rect to{v.x, v.y, v.width, v.height};
  const Scaling scaling = SharpScaling(v);
  SDL_Texture* source = texture_;
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
  if (scaling.smoothDown && scaling.factor > 1) {
    if (SDL_Texture* enlarged = Enlarged(scaling.factor)) source = enlarged;
  }
  SDL_SetTextureScaleMode(source, scaling.smoothDown ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, source, nullptr, &to);
}

SDL_Texture* RendererPresenter::Enlarged(int factor) {
  if (factor != enlargedFactor_) {
    if (enlarged_) SDL_DestroyTexture(enlarged_);
    enlarged_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET,
                                  factor * kPictureWidth, factor * kPictureHeight);
    enlargedFactor_ = enlarged_ ? factor : 0;
  }
  if (!enlarged_ || SDL_SetRenderTarget(renderer_, enlarged_) != 0) return nullptr;
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_SetRenderTarget(renderer_, nullptr);
  return enlarged_;
}

void RendererPresenter::Show() {
  SDL_RenderPresent(renderer_);
}

bool RendererPresenter::SetVsync(bool on) {
  return SDL_RenderSetVSync(renderer_, on ? 1 : 0) == 0;
}

}  // namespace ridgeline
