// The page module (build-web/velmo.js) against the native tools: the same assembly, the same runs, the same
// boxes, and bad input that never breaks the module. ctest gives the paths (tests/web/CMakeLists.txt).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const { VELMO_MODULO, VELMO_SIM, VELMO_MONTADOR, VELMO_EJEMPLOS } = process.env;
const crearModuloVelmo = (await import(pathToFileURL(VELMO_MODULO).href)).default;
const M = await crearModuloVelmo();
const carpeta = fs.mkdtempSync(path.join(os.tmpdir(), 'velmo-modulo-'));
process.on('exit', () => fs.rmSync(carpeta, { recursive: true, force: true }));

const PREGUNTA_50 = 'Ejecutadas 50 instrucciones\r\n¿Desea seguir ejecutando?';

/** A host that records every box and answers every question with `si`. */
function anfitrion(si = true) {
  const h = { cajas: [], preguntas: [] };
  h.mensaje = (c) => h.cajas.push(c);
  h.pregunta = (texto) => { h.preguntas.push(texto); return si; };
  return h;
}

function velmoSim(vlx, ...args) {
  const r = spawnSync(VELMO_SIM, [vlx, '--json', ...args], { encoding: 'utf8' });
  return { codigo: r.status, json: JSON.parse(r.stdout), errores: r.stderr };
}

function escribe(nombre, bytes) {
  const ruta = path.join(carpeta, nombre);
  fs.writeFileSync(ruta, bytes);
  return ruta;
}

/** The module's picture in the keys of velmo-sim --json. */
function comoJson(foto, cajas) {
  return {
    version: foto.version, control: foto.control, ciclos: foto.ciclos, instrucciones: foto.instrucciones,
    estado: foto.estado, fila_actual: foto.filaActual, pc: foto.pc, ir: foto.ir, a: foto.a, b: foto.b, fz: foto.fz,
    regaux: foto.regAux, memoria: foto.memoria.map((f) => f.valor), mensajes: cajas.map((c) => c.texto),
  };
}

function soloClaves(json, claves) {
  return Object.fromEntries(claves.map((k) => [k, json[k]]));
}

test('every example assembles as velmo-montador does and runs as velmo-sim does', () => {
  const fuentes = fs.readdirSync(VELMO_EJEMPLOS).filter((f) => f.endsWith('.asm')).sort();
  assert.ok(fuentes.length >= 5);
  for (const fuente of fuentes) {
    const base = fuente.replace(/\.asm$/, '');
    const bytes = fs.readFileSync(path.join(VELMO_EJEMPLOS, fuente));
    const { texto, esTexto } = M.textoFuente(bytes);
    assert.ok(esTexto, fuente);
    const montaje = M.montar(M.conLineaFinal(texto), `${base}.vlx`);
    assert.ok(montaje.correcto, `${fuente}: ${montaje.mensajes.map((m) => m.texto).join('\n')}`);

    // The same executable and listing bytes, and the same message list, as the native assembler.
    const vlx = path.join(carpeta, `${base}.vlx`);
    const salida = execFileSync(VELMO_MONTADOR, [path.join(VELMO_EJEMPLOS, fuente), '-o', `${base}.vlx`],
      { encoding: 'utf8', cwd: carpeta });
    assert.deepEqual(Buffer.from(montaje.ejecutable), fs.readFileSync(vlx), fuente);
    assert.deepEqual(Buffer.from(montaje.listado), fs.readFileSync(`${vlx}.txt`), fuente);
    assert.deepEqual(montaje.mensajes.map((m) => m.texto), salida.trimEnd().split('\n'), fuente);

    const mprRuta = path.join(VELMO_EJEMPLOS, `${base}.mpr`);
    const opciones = { nombre: `${base}.vlx`, ejecutable: montaje.ejecutable };
    const args = ['--instrucciones', '120', '--traza-csv', path.join(carpeta, `${base}.csv`)];
    if (fs.existsSync(mprRuta)) {
      const lectura = M.leeMicroprograma(fs.readFileSync(mprRuta), path.basename(mprRuta));
      assert.equal(lectura.estado, 'correcto');
      opciones.microprograma = lectura.microprograma;
      args.push('--microprograma', mprRuta);
    }
    const h = anfitrion();
    const sim = M.abrir(opciones, h);
    sim.instrucciones(120);
    const nativo = velmoSim(vlx, ...args);
    assert.deepEqual(comoJson(sim.foto(), h.cajas), soloClaves(nativo.json, Object.keys(comoJson(sim.foto(), []))),
      fuente);
    assert.equal(sim.trazaCsv(), fs.readFileSync(path.join(carpeta, `${base}.csv`), 'utf8'), fuente);
    sim.libera();
  }
});

test('stepping back returns to the very state of a shorter run, and stops at the opening', () => {
  const montaje = M.montar(M.conLineaFinal(M.textoFuente(
    fs.readFileSync(path.join(VELMO_EJEMPLOS, 'suma_vector_v2.asm'))).texto), 'suma_vector_v2.vlx');
  const abre = () => M.abrir({ nombre: 'suma_vector_v2.vlx', ejecutable: montaje.ejecutable }, anfitrion());
  const corta = abre();
  corta.instrucciones(7);
  const larga = abre();
  larga.instrucciones(10);
  larga.ciclo(); // half an instruction more: the first step back undoes that part
  const sinMensajes = (f) => ({ ...f, mensajes: [] });
  for (let i = 0; i < 4; ++i) {
    assert.equal(larga.instruccionAnterior().fin, 'completada');
  }
  assert.deepEqual(sinMensajes(larga.foto()), sinMensajes(corta.foto()));
  assert.equal(larga.cicloAnterior().ciclos, 1);
  let r;
  while ((r = larga.cicloAnterior()).fin === 'completada');
  assert.equal(r.fin, 'nadaQueDeshacer');
  assert.equal(larga.foto().ciclos, abre().foto().ciclos);
  corta.libera();
  larga.libera();
});

test('a No to the every-50 question stops the run, blocking or in slices alike', () => {
  const montaje = M.montar(M.conLineaFinal(M.textoFuente(
    fs.readFileSync(path.join(VELMO_EJEMPLOS, 'bucle_v1.asm'))).texto), 'bucle_v1.vlx');
  const opciones = { nombre: 'bucle_v1.vlx', ejecutable: montaje.ejecutable };
  const h1 = anfitrion(false);
  const entera = M.abrir(opciones, h1);
  const r1 = entera.instrucciones(120);
  assert.deepEqual(h1.preguntas, [PREGUNTA_50]);
  assert.equal(r1.fin, 'detenidaPorUsuario');
  assert.equal(r1.instrucciones, 50);

  // The answer may look at the simulation but not start another command in the middle of this one.
  const h2 = anfitrion(false);
  const pregunta = h2.pregunta;
  h2.pregunta = (texto) => {
    assert.equal(porTramos.foto().instrucciones, h2.preguntas.length * 50 + 50);
    assert.throws(() => porTramos.ciclo(), /ejecutando otra orden/);
    assert.throws(() => porTramos.libera(), /ejecutando otra orden/);
    return pregunta(texto);
  };
  const porTramos = M.abrir(opciones, h2);
  const tramos = porTramos.porTramos('instrucciones', 120);
  let r2;
  let llamadas = 0;
  while ((r2 = tramos.avanza(7)) === null) ++llamadas;
  assert.ok(llamadas > 10);
  assert.deepEqual(r2, r1);
  assert.deepEqual(h2.preguntas, h1.preguntas);
  assert.deepEqual(porTramos.foto(), entera.foto());
  // A run stopped between two slices ends without another cycle.
  const parada = porTramos.porTramos('ciclos', 100);
  assert.equal(parada.avanza(3), null);
  parada.detener();
  const r3 = parada.avanza(3);
  assert.equal(r3.fin, 'detenidaPorUsuario');
  assert.equal(r3.ciclos, 3);
  entera.libera();
  porTramos.libera();
});

test('bad input gives the desktop\'s messages and never breaks the module', () => {
  const montaje = M.montar(M.conLineaFinal(M.plantilla(1)), 'plantilla.vlx');
  assert.ok(montaje.correcto);
  // A truncated executable and a foreign header: the same boxes and state as velmo-sim on those bytes.
  for (const [nombre, bytes, apertura] of [
    ['cortado.vlx', montaje.ejecutable.slice(0, 200), 'corrupto'],
    ['ajeno.vlx', new TextEncoder().encode('esto no es un ejecutable de Velmo'), 'cabeceraIncorrecta'],
  ]) {
    const h = anfitrion();
    const sim = M.abrir({ nombre: escribe(nombre, bytes), ejecutable: bytes }, h);
    assert.equal(sim.apertura(), apertura);
    sim.instrucciones(3);
    const nativo = velmoSim(path.join(carpeta, nombre), '--instrucciones', '3');
    assert.equal(nativo.codigo, 1);
    assert.deepEqual(comoJson(sim.foto(), h.cajas), soloClaves(nativo.json, Object.keys(comoJson(sim.foto(), []))));
    assert.ok(h.cajas.length > 0 && h.cajas[0].icono === 'error');
    sim.libera();
  }

  // A microprogram the editor refuses, one cut short, and rows out of range handed to the opening.
  const buena = M.escribeMicroprograma(M.microprogramaInicial());
  assert.deepEqual(M.leeMicroprograma(buena).microprograma, M.microprogramaInicial());
  const ajena = buena.slice();
  ajena[18] = 7; // the header's magic
  assert.deepEqual(M.leeMicroprograma(ajena),
    { estado: 'cabeceraIncorrecta', mensaje: 'Fichero no válido (no se ha cargado)', microprograma: [] });
  const corta = M.leeMicroprograma(buena.slice(0, 22 * 4 + 5));
  assert.equal(corta.estado, 'incompleto');
  assert.equal(corta.microprograma.length, 3);
  const fuera = M.microprogramaInicial();
  fuera[4].Test = 8;
  assert.equal(M.microinstruccionValida(fuera[4]), false);
  assert.throws(() => M.escribeMicroprograma(fuera), /fuera de rango/);
  const v3 = M.montar(M.conLineaFinal(M.plantilla(3)), 'plantilla_v3.vlx');
  assert.throws(() => M.abrir({ nombre: 'p.vlx', ejecutable: v3.ejecutable, microprograma: fuera }, anfitrion()),
    /fuera de rango/);
  assert.throws(() => M.abrir({ nombre: 'p.vlx' }, anfitrion()), Error);

  // A 20 MB source: refused as the desktop and velmo-montador refuse such a file; handed over as text, the
  // scanner's own limit stops it.
  const enorme = `.ver 1\n; ${'comentario '.repeat(2e6)}\n.code\nfin: beq fin\n`;
  assert.deepEqual(M.textoFuente(new TextEncoder().encode(enorme)),
    { texto: 'Fichero demasiado grande', esTexto: false, demasiadoGrande: true });
  const r = spawnSync(VELMO_MONTADOR, [escribe('enorme.asm', enorme)], { encoding: 'utf8' });
  assert.equal(r.status, 2);
  assert.match(r.stderr, /es demasiado grande \(más de 16777216 bytes\)/);
  const fallido = M.montar(enorme, 'enorme.vlx');
  assert.deepEqual(fallido.mensajes, [{ clase: 'error', linea: -1, texto: 'LexLib: yytext overflow' }]);
  assert.equal(fallido.ejecutable.length, 0);

  // A page answer that throws fails the run as a machine fault does; the simulation goes on.
  const sim = M.abrir({ nombre: 'plantilla.vlx', ejecutable: montaje.ejecutable },
    { mensaje() {}, pregunta() { throw new Error('sin respuesta'); } });
  const roto = sim.instrucciones(60);
  assert.deepEqual([roto.fin, roto.instrucciones, roto.error],
    ['error', 50, 'La página falló al contestar: sin respuesta']);
  assert.equal(sim.instruccion().fin, 'completada');
  sim.libera();

  // Still whole after all that.
  assert.deepEqual(M.montar(M.conLineaFinal(M.plantilla(1)), 'plantilla.vlx'), montaje);
});
