// Loads the WebAssembly module, which is a plain file of the site (not part of the bundle), so that the same
// build serves from any folder and the service worker can keep it for offline use.
import type { ModuloVelmo } from 'velmo-modulo';

export type * from 'velmo-modulo';

let cargando: Promise<ModuloVelmo> | null = null;

export function cargaModulo(): Promise<ModuloVelmo> {
  if (!cargando) {
    const url = new URL('velmo.js', document.baseURI).href;
    cargando = import(/* @vite-ignore */ url).then((m) =>
      m.default({ locateFile: (f: string) => new URL(f, document.baseURI).href }),
    );
  }
  return cargando;
}
