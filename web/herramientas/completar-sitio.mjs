// Completes the site that Vite built: the WebAssembly module, the pictures, the manuals and the examples as
// plain files, the web manifest, and the service worker with the list of every file to keep offline.
// Usage: node completar-sitio.mjs SITIO CARPETA_DEL_MODULO
import { createHash } from 'node:crypto';
import { cpSync, existsSync, mkdirSync, readdirSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import { dirname, join, relative, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const raiz = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const [sitio, carpetaModulo] = process.argv.slice(2).map((a) => resolve(a));
if (!sitio || !carpetaModulo) {
  console.error('Uso: node completar-sitio.mjs SITIO CARPETA_DEL_MODULO');
  process.exit(2);
}

for (const f of ['velmo.js', 'velmo.wasm']) {
  const origen = join(carpetaModulo, f);
  if (!existsSync(origen)) {
    console.error(`Falta ${origen}: compile el módulo con scripts/compilar-web.sh`);
    process.exit(1);
  }
  cpSync(origen, join(sitio, f));
}

const recursos = join(raiz, 'resources');
mkdirSync(join(sitio, 'imagenes'), { recursive: true });
for (const f of readdirSync(recursos).filter((f) => f.endsWith('.svg')))
  cpSync(join(recursos, f), join(sitio, 'imagenes', f));
cpSync(join(recursos, 'icons'), join(sitio, 'imagenes', 'iconos'), { recursive: true });
cpSync(join(recursos, 'gutter'), join(sitio, 'imagenes', 'gutter'), { recursive: true });
// The program's icon as PNG too, which installing the site needs: made once from icons/velmo.svg.
cpSync(join(raiz, 'web', 'iconos'), join(sitio, 'imagenes', 'iconos'), { recursive: true });
cpSync(join(recursos, 'ayuda'), join(sitio, 'ayuda'), { recursive: true });

const ejemplos = join(raiz, 'examples');
mkdirSync(join(sitio, 'ejemplos'), { recursive: true });
const nombres = [];
for (const f of readdirSync(ejemplos).sort()) {
  if (!/\.(asm|mpr)$/.test(f)) continue;
  cpSync(join(ejemplos, f), join(sitio, 'ejemplos', f));
  if (f.endsWith('.asm') && !f.startsWith('plantilla_')) nombres.push(f.replace(/\.asm$/, ''));
}
writeFileSync(join(sitio, 'ejemplos', 'indice.json'), JSON.stringify(nombres));
// The exercises with test cases and their solutions, for ?ejercicio=ejemplos/ejercicios/NOMBRE.json.
cpSync(join(ejemplos, 'ejercicios'), join(sitio, 'ejemplos', 'ejercicios'), { recursive: true });

writeFileSync(
  join(sitio, 'manifest.webmanifest'),
  JSON.stringify(
    {
      name: 'Velmo',
      short_name: 'Velmo',
      description: 'Banco de trabajo didáctico del computador Velmo: montador y simulador',
      lang: 'es',
      start_url: './',
      scope: './',
      display: 'standalone',
      background_color: '#ece9d8',
      theme_color: '#003366',
      icons: [
        { src: 'imagenes/iconos/velmo.svg', sizes: 'any', type: 'image/svg+xml' },
        { src: 'imagenes/iconos/velmo-192.png', sizes: '192x192', type: 'image/png' },
        { src: 'imagenes/iconos/velmo-512.png', sizes: '512x512', type: 'image/png' },
      ],
    },
    null,
    2,
  ),
);

function ficheros(carpeta) {
  return readdirSync(carpeta).flatMap((f) => {
    const ruta = join(carpeta, f);
    return statSync(ruta).isDirectory() ? ficheros(ruta) : [ruta];
  });
}
const lista = ficheros(sitio).filter((f) => !f.endsWith('sw.js'));
const huella = createHash('sha256');
for (const f of lista.sort()) huella.update(relative(sitio, f)).update(readFileSync(f));
const rutas = ['./', ...lista.map((f) => './' + relative(sitio, f).split('\\').join('/'))];
const plantilla = readFileSync(join(raiz, 'web', 'herramientas', 'sw.js'), 'utf8');
writeFileSync(
  join(sitio, 'sw.js'),
  plantilla
    .replace('__VERSION__', huella.digest('hex').slice(0, 16))
    .replace('__FICHEROS__', JSON.stringify(rutas)),
);
console.log(`Sitio completo en ${sitio} (${rutas.length} ficheros para uso sin conexión)`);
