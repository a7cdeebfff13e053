// Shared pieces of the browser tests: the built site on a loopback server and Debian's Chromium, headless.
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { sirve } from '../herramientas/servidor.mjs';

export const raiz = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
export const sitio = join(raiz, 'build-web', 'sitio');
export const capturas = join(raiz, 'build-web', 'capturas');
export const tamanos = { escritorio: { width: 1280, height: 800 }, tableta: { width: 768, height: 1024 } };

export async function arranca() {
  if (!existsSync(join(sitio, 'index.html')))
    throw new Error('Falta build-web/sitio: ejecute scripts/web.sh --solo-compilar');
  mkdirSync(capturas, { recursive: true });
  const servidor = await sirve(sitio, 0, '/curso/velmo/');
  const navegador = await chromium.launch({
    executablePath: process.env.VELMO_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--font-render-hinting=none'],
  });
  // Served from a sub-folder path too: every reference of the site is relative.
  const url = `http://127.0.0.1:${servidor.address().port}/curso/velmo/`;
  return {
    url,
    navegador,
    async cierra() {
      await navegador.close();
      await new Promise((r) => servidor.close(r));
    },
  };
}

/** A new page at `tamano`, every question answered yes, with the page's errors collected. */
export async function pagina(navegador, tamano = tamanos.escritorio, opciones = {}) {
  const contexto = await navegador.newContext({ viewport: tamano, ...opciones });
  const p = await contexto.newPage();
  p.errores = [];
  p.on('pageerror', (e) => p.errores.push(String(e)));
  p.on('dialog', (d) => d.accept());
  return p;
}

export async function espera(p, ruta) {
  await p.goto(ruta);
  await p.waitForSelector('body[data-listo="si"]', { timeout: 20000 });
}

/** The colour of one pixel of the page as drawn, [r, g, b]. */
export async function colorEn(p, x, y) {
  const png = await p.screenshot({ clip: { x: Math.round(x), y: Math.round(y), width: 1, height: 1 } });
  return p.evaluate(async (datos) => {
    const img = new Image();
    img.src = `data:image/png;base64,${datos}`;
    await img.decode();
    const lienzo = new OffscreenCanvas(1, 1);
    const ctx = lienzo.getContext('2d');
    ctx.drawImage(img, 0, 0);
    return [...ctx.getImageData(0, 0, 1, 1).data.slice(0, 3)];
  }, png.toString('base64'));
}

/** Points of the screen along the active wires of the datapath picture (the middle of each segment). */
export async function puntosCablesActivos(p) {
  return p.evaluate(() =>
    [...document.querySelectorAll('svg.ruta-datos polyline[data-senal]')]
      .filter((l) => l.getAttribute('stroke')?.toLowerCase() === '#ff3300')
      .flatMap((l) => {
        const m = l.getScreenCTM();
        const ps = [...l.points];
        return ps.slice(1).map((q, i) => {
          const a = new DOMPoint((ps[i].x + q.x) / 2, (ps[i].y + q.y) / 2).matrixTransform(m);
          return { senal: l.dataset.senal, x: a.x, y: a.y };
        });
      }),
  );
}

/** velmo-sim's final state of an example after `n` instructions (the WebAssembly tools, run by Node). */
export function estadoVelmoSim(ejemplo, n, control = null) {
  const carpeta = mkdtempSync(join(tmpdir(), 'velmo-web-'));
  const vlx = join(carpeta, `${ejemplo}.vlx`);
  const cli = join(raiz, 'build-web', 'cli');
  execFileSync('node', [join(cli, 'velmo-montador.js'), join(raiz, 'examples', `${ejemplo}.asm`), '-o', vlx]);
  const args = [join(cli, 'velmo-sim.js'), vlx, '--instrucciones', String(n), '--json'];
  if (control) args.push('--control', control);
  const mpr = join(raiz, 'examples', `${ejemplo}.mpr`);
  if (existsSync(mpr)) args.push('--microprograma', mpr);
  return JSON.parse(execFileSync('node', args, { encoding: 'utf8' }));
}

/** The simulation's state as the page shows it. */
export async function estadoPagina(p) {
  return p.evaluate(() => {
    const texto = (s) => document.querySelector(s)?.textContent ?? '';
    const registros = Object.fromEntries(
      [...document.querySelectorAll('.registros tr')].map((tr) => [
        tr.cells[0].textContent,
        tr.cells[1].textContent,
      ]),
    );
    return {
      ciclos: Number(texto('[data-contador=ciclos]')),
      instrucciones: Number(texto('[data-contador=instrucciones]')),
      pc: parseInt(registros.PC, 2),
      filaActual: Number(document.querySelector('.tabla-memoria tr.actual')?.dataset.fila ?? -1),
      memoria: [...document.querySelectorAll('.tabla-memoria tr')].map((tr) =>
        parseInt(tr.cells[3].textContent.trim(), 2),
      ),
    };
  });
}

export function guardaCaptura(nombre, datos) {
  writeFileSync(join(capturas, nombre), datos);
}
