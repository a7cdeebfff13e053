// Engine speed of the page module under Node: a program assembled by the module and run for N cycles as
// the page runs it (in slices, with the history for stepping back). Prints cycles per second of processor
// time (the loading of the module left out).
// Usage: node bench/bench-modulo.mjs build-web/velmo.js FUENTE.asm [CICLOS]
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const [modulo, fuente, ciclosTexto = '1000000'] = process.argv.slice(2);
const ciclos = Number(ciclosTexto);
const M = await (await import(pathToFileURL(path.resolve(modulo)).href)).default();
const montaje = M.montar(M.conLineaFinal(M.textoFuente(fs.readFileSync(fuente)).texto), 'bench.vlx');
if (!montaje.correcto) {
  throw new Error(montaje.mensajes.map((m) => m.texto).join('\n'));
}
const sim = M.abrir({ nombre: 'bench.vlx', ejecutable: montaje.ejecutable }, { mensaje() {}, pregunta: () => true });
const inicio = process.cpuUsage();
const run = sim.porTramos('ciclos', ciclos);
let r;
while ((r = run.avanza(10000)) === null);
const usado = process.cpuUsage(inicio);
const segundos = (usado.user + usado.system) / 1e6;
console.log(`modulo: ${r.ciclos} ciclos en ${segundos.toFixed(3)} s de procesador: ${Math.round(r.ciclos / segundos)} ciclos/s`);
sim.libera();
