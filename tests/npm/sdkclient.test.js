// SPDX-License-Identifier: MIT
// keylight-host's SDK server against openrgb-sdk, an OpenRGB client from npm that nobody
// here wrote. Each scenario starts its own host on a store of its own:
//   node sdkclient.test.js SCENARIO
// KEYLIGHT_HOST names the host binary; the module comes from NODE_PATH. Exit code 0 when
// the scenario holds, 1 when it does not, 77 when the client module is not installed.
"use strict"

const assert = require("node:assert/strict")
const { spawn } = require("node:child_process")
const fs = require("node:fs")
const net = require("node:net")
const os = require("node:os")
const path = require("node:path")

let Client
try {
    ({ Client } = require("openrgb-sdk"))
} catch (error) {
    console.log("openrgb-sdk is not installed (scripts/test.sh installs it with npm ci)")
    process.exit(77)
}

const kWaitMs = 30000
const kPollMs = 50
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms))
const red = { red: 255, green: 0, blue: 0 }

async function until(what, check) {
    const start = Date.now()
    for (;;) {
        const value = await check()
        if (value)
            return value
        if (Date.now() - start > kWaitMs)
            throw new Error(`timed out waiting for ${what}`)
        await sleep(kPollMs)
    }
}

function freePort() {
    return new Promise((resolve, reject) => {
        const probe = net.createServer()
        probe.on("error", reject)
        probe.listen(0, "127.0.0.1", () => {
            const { port } = probe.address()
            probe.close(() => resolve(port))
        })
    })
}

// The host on a store of its own, serving on a free port of this computer.
async function startHost() {
    const store = fs.mkdtempSync(path.join(os.tmpdir(), "keylight-sdk-"))
    const port = await freePort()
    const host = spawn(process.env.KEYLIGHT_HOST, ["--store", store, "--sdk-server", `${port}`],
                       { env: { ...process.env, QT_QPA_PLATFORM: "offscreen" }, stdio: "inherit" })
    const exited = new Promise(resolve => host.on("exit", resolve))
    await until("the SDK server", () => new Promise(resolve => {
        const socket = net.connect(port, "127.0.0.1", () => { socket.destroy(); resolve(true) })
        socket.on("error", () => resolve(false))
    }))
    return {
        port, store,
        storeFile: path.join(store, "profiles.json"),
        async stop() {
            host.kill("SIGINT")
            const timer = setTimeout(() => host.kill("SIGKILL"), 5000)
            await exited
            clearTimeout(timer)
        },
    }
}

async function connect(host, name = "KeyLight test") {
    const client = new Client(name, host.port, "127.0.0.1")
    await client.connect()
    return client
}

const scenarios = {
    async enumeration(host) {
        const client = await connect(host)
        assert.equal(client.protocolVersion, 4)
        assert.equal(await client.getControllerCount(), 1)
        const device = await client.getControllerData(0)
        assert.equal(device.type, 5, "a keyboard")
        assert.equal(device.name, "KeyLight keyboard")
        assert.equal(device.modes.length, 21)
        for (const mode of ["Direct", "Static", "Breathing", "Rainbow Wave", "Spectrum Cycle"])
            assert.ok(device.modes.some(m => m.name === mode), mode)
        assert.equal(device.modes[0].name, "Direct")
        client.disconnect()
    },

    async ledNames(host) {
        const client = await connect(host)
        const device = await client.getControllerData(0)
        assert.ok(device.leds.length >= 104, `${device.leds.length} LEDs`)
        assert.equal(device.colors.length, device.leds.length)
        assert.ok(device.leds.every(led => led.name.startsWith("Key: ")))
        for (const name of ["Key: Escape", "Key: Left Shift", "Key: Number Pad 0", "Key: Space"])
            assert.ok(device.leds.some(led => led.name === name), name)
        assert.equal(new Set(device.leds.map(led => led.name)).size, device.leds.length)
        const zone = device.zones[0]
        assert.equal(zone.ledsCount, device.leds.length)
        client.disconnect()
    },

    async paintAndReadBack(host) {
        const client = await connect(host)
        const device = await client.getControllerData(0)
        await client.updateLeds(0, Array(device.leds.length).fill(red))
        const after = await until("the red keys", async () => {
            const now = await client.getControllerData(0)
            return now.colors.every(c => c.red === 255 && c.green === 0 && c.blue === 0) && now
        })
        assert.equal(after.modes[after.activeMode].name, "Direct")
        // Once the client pauses, the painting reaches the profile file.
        const escape = after.leds.findIndex(led => led.name === "Key: Escape")
        await client.updateSingleLed(0, escape, { red: 0, green: 0, blue: 255 })
        client.disconnect()
        await until("the painting in the profile file", () => {
            const profile = JSON.parse(fs.readFileSync(host.storeFile, "utf8")).profiles[0]
            return profile.activeMode.number === 4 && profile.custom.leds.esc === "#0000ff"
                && profile.custom.leds.f1 === "#ff0000"
        })
        await host.stop()
        const kept = JSON.parse(fs.readFileSync(host.storeFile, "utf8")).profiles[0]
        assert.equal(kept.custom.leds.space, "#ff0000")
    },

    async modeWithSpeedAndColour(host) {
        const client = await connect(host)
        await client.updateMode(0, { name: "Breathing", speed: 5, colors: [{ red: 0, green: 255, blue: 0 }] })
        const device = await until("Breathing", async () => {
            const now = await client.getControllerData(0)
            return now.modes[now.activeMode].name === "Breathing" && now
        })
        const breathing = device.modes[device.activeMode]
        assert.equal(breathing.speed, 5)
        assert.deepEqual(breathing.colors[0], { red: 0, green: 255, blue: 0 })
        await client.updateMode(0, { name: "Rainbow Wave", direction: 3 })
        await until("Rainbow Wave downwards", async () => {
            const now = await client.getControllerData(0)
            const mode = now.modes[now.activeMode]
            return mode.name === "Rainbow Wave" && mode.direction === 3
        })
        client.disconnect()
        await until("the effect in the profile file", () => {
            const profile = JSON.parse(fs.readFileSync(host.storeFile, "utf8")).profiles[0]
            return profile.activeMode.number === 1 && profile.modes[8].speed === 5
                && profile.modes[8].foreground.color === "#00ff00"
        })
    },

    async saveMode(host) {
        const client = await connect(host)
        await client.saveMode(0, { name: "Static", colors: [{ red: 0, green: 0, blue: 255 }] })
        const memory = path.join(host.store, "keyboard-memory.json")
        await until("the keyboard's memory", () => fs.existsSync(memory)
            && fs.readFileSync(memory, "utf8").includes("\"profile\""))
        const device = await client.getControllerData(0)
        assert.equal(device.modes[device.activeMode].name, "Static")
        client.disconnect()
    },

    async twoClients(host) {
        const first = await connect(host, "first")
        const second = await connect(host, "second")
        const device = await first.getControllerData(0)
        await first.updateLeds(0, Array(device.leds.length).fill(red))
        await until("the second client to see red", async () => {
            const seen = await second.getControllerData(0)
            return seen.colors.every(c => c.red === 255 && c.green === 0)
        })
        await second.updateMode(0, "Static")
        await until("the first client to see Static", async () => {
            const seen = await first.getControllerData(0)
            return seen.modes[seen.activeMode].name === "Static"
        })
        first.disconnect()
        second.disconnect()
    },

    async hostileClient(host) {
        const good = await connect(host, "good")
        // Garbage, then a size the packet does not have, then a packet cut in the middle.
        for (const bytes of [Buffer.from("GET / HTTP/1.1\r\n\r\n"),
                             Buffer.concat([Buffer.from("ORGB"), Buffer.from([0, 0, 0, 0,
                                 0x1a, 0x04, 0, 0, 0xff, 0xff, 0xff, 0x7f])]),
                             Buffer.concat([Buffer.from("ORGB"), Buffer.from([0, 0, 0, 0,
                                 0x1a, 0x04, 0, 0, 100, 0, 0, 0]), Buffer.alloc(10)])]) {
            await new Promise(resolve => {
                const bad = net.connect(host.port, "127.0.0.1", () => {
                    bad.write(bytes)
                    setTimeout(() => { bad.destroy(); resolve() }, 200)
                })
                bad.on("error", resolve)
            })
        }
        const device = await good.getControllerData(0)
        assert.equal(device.name, "KeyLight keyboard")
        await good.updateMode(0, "Breathing")
        await until("the good client's Breathing", async () => {
            const now = await good.getControllerData(0)
            return now.modes[now.activeMode].name === "Breathing"
        })
        good.disconnect()
    },
}

async function main() {
    const name = process.argv[2]
    const scenario = scenarios[name]
    if (!scenario) {
        console.error(`unknown scenario "${name}"; one of: ${Object.keys(scenarios).join(", ")}`)
        process.exit(2)
    }
    const host = await startHost()
    try {
        await scenario(host)
    } finally {
        await host.stop()
        fs.rmSync(host.store, { recursive: true, force: true })
    }
    console.log(`${name}: passed`)
}

main().catch(error => {
    console.error(error)
    process.exit(1)
})
