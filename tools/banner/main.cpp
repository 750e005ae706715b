// tavra-banner OUT.swf: writes the About window's banner movie.
#include <cstdio>
#include <fstream>

#include "BannerMovie.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tavra-banner OUT.swf\n");
    return 2;
  }
  tavra::banner::Bytes movie = tavra::banner::BannerMovie::build();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(movie.data()), static_cast<std::streamsize>(movie.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "tavra-banner: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
