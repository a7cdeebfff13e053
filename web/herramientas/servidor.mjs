// A small static server for the built site, on the loopback interface only: for trying the site and for the
// browser tests, which serve it under a sub-folder as a teacher's host may.
// Usage: node servidor.mjs CARPETA [PUERTO]  (port 0: any free one; the URL is printed)
import { createServer } from 'node:http';
import { createReadStream, statSync } from 'node:fs';
import { extname, join, normalize, resolve, sep } from 'node:path';

const tipos = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.mjs': 'text/javascript',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.asm': 'text/plain; charset=utf-8',
  '.mpr': 'application/octet-stream',
  '.txt': 'text/plain; charset=utf-8',
};

/** Serves `carpeta` at the URL path `prefijo` (ending in '/'). */
export function sirve(carpeta, puerto = 0, prefijo = '/') {
  const base = resolve(carpeta);
  const servidor = createServer((peticion, respuesta) => {
    let ruta;
    try {
      ruta = decodeURIComponent(new URL(peticion.url, 'http://localhost').pathname);
    } catch {
      respuesta.writeHead(400).end();
      return;
    }
    if (!ruta.startsWith(prefijo)) {
      respuesta.writeHead(404, { 'Content-Type': 'text/plain' }).end('No encontrado');
      return;
    }
    let fichero = normalize(join(base, ruta.slice(prefijo.length)));
    if (fichero !== base && !fichero.startsWith(base + sep)) {
      respuesta.writeHead(403).end();
      return;
    }
    try {
      if (statSync(fichero).isDirectory()) fichero = join(fichero, 'index.html');
      const tamano = statSync(fichero).size;
      respuesta.writeHead(200, {
        'Content-Type': tipos[extname(fichero)] ?? 'application/octet-stream',
        'Content-Length': tamano,
        'Cache-Control': 'no-cache',
      });
      createReadStream(fichero).pipe(respuesta);
    } catch {
      respuesta.writeHead(404, { 'Content-Type': 'text/plain' }).end('No encontrado');
    }
  });
  return new Promise((resolver) => servidor.listen(puerto, '127.0.0.1', () => resolver(servidor)));
}

if (process.argv[1] && resolve(process.argv[1]) === resolve(new URL(import.meta.url).pathname)) {
  const [carpeta, puerto = '8080'] = process.argv.slice(2);
  const servidor = await sirve(carpeta ?? '.', Number(puerto));
  console.log(`Velmo en http://127.0.0.1:${servidor.address().port}/  (Ctrl+C para terminar)`);
}
