import { defineConfig } from 'vite';

// Relative paths everywhere: the site works from any folder of any static host.
export default defineConfig({
  base: './',
  publicDir: false,
  build: {
    outDir: '../build-web/sitio',
    emptyOutDir: true,
    target: 'es2022',
    assetsInlineLimit: 0,
  },
});
