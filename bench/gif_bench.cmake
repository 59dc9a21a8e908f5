# The GIF encoder against giflib's own encoder on the same indexed pixels.
find_library(GIF_LIBRARY gif REQUIRED)
nimbrel_add_bench(gif_bench LINK nimbrel_output ${GIF_LIBRARY})
