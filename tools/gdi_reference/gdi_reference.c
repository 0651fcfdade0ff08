/* gdi_reference IN.emf OUT.bmp WIDTH HEIGHT: plays an EMF stream with the
   system's own PlayEnhMetaFile into a white 24-bit bitmap of the given size,
   as a reference picture for our player. Built with mingw-w64, run under
   wine: see Makefile. */
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 5) {
    fprintf(stderr, "usage: gdi_reference IN.emf OUT.bmp WIDTH HEIGHT\n");
    return 1;
  }
  const int width = atoi(argv[3]);
  const int height = atoi(argv[4]);
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return 1;

  HENHMETAFILE emf = GetEnhMetaFileA(argv[1]);
  if (!emf) {
    fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  BITMAPINFO info = {0};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height; /* top-down */
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = NULL;
  HDC dc = CreateCompatibleDC(NULL);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
  if (!bitmap) return 1;
  SelectObject(dc, bitmap);
  RECT rect = {0, 0, width, height};
  FillRect(dc, &rect, (HBRUSH)GetStockObject(WHITE_BRUSH));
  const BOOL played = PlayEnhMetaFile(dc, emf, &rect);
  GdiFlush();

  const int stride = ((width * 24 + 31) / 32) * 4;
  const DWORD image_size = (DWORD)stride * (DWORD)height;
  BITMAPFILEHEADER file = {0};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + image_size;
  info.bmiHeader.biSizeImage = image_size;
  FILE* out = fopen(argv[2], "wb");
  if (!out) return 1;
  fwrite(&file, sizeof file, 1, out);
  fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
  fwrite(bits, 1, image_size, out);
  fclose(out);
  printf("PlayEnhMetaFile %s\n", played ? "succeeded" : "failed");
  DeleteEnhMetaFile(emf);
  return played ? 0 : 2;
}
